# The windows' colour ramps and the headless screen they are read from.
kalnor_add_tests(gradient_tests headless
  SOURCES
    GradientTest.cpp
    HeadlessBufferTest.cpp
  LIBS kalnor_app test_support
)
