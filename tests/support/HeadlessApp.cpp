#include "support/HeadlessApp.h"

std::vector<std::string> HeadlessApp::Messages() const {
  std::vector<std::string> texts;
  for (const auto& box : system_.MessageBoxes()) texts.push_back(box.text);
  return texts;
}
