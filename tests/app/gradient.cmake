# The windows' colour ramps, read from the headless screen.
kalnor_add_tests(gradient_tests headless
  SOURCES
    GradientTest.cpp
  LIBS kalnor_app test_support
)
