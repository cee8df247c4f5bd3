#include "ProgramScenario.h"

#include "app/Project1.h"

ProgramScenario::ProgramScenario() { system.SetWorkArea({0, 0, 1280, 994}); }

int ProgramScenario::RunProgram() { return Project1(system); }

std::vector<std::string> ProgramScenario::Messages() const {
  std::vector<std::string> texts;
  for (const auto& box : system.MessageBoxes()) texts.push_back(box.text);
  return texts;
}
