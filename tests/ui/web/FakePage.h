// The page's functions (ui/web/PageCalls.h) as a record of every call, with controls the tests
// set: what the module asked of the page, in order.
#pragma once

#include <string>
#include <vector>

namespace gb::test {

struct FakePage {
  int itemIndex[3] = {0, 0, 2};
  std::string edits[6] = {"2.9", "1.9", "0.3333", "0.05", "0.05", "2.5"};
  std::string cells[3][6][5];
  struct Box {
    std::string text;
    int kind;
  };
  std::vector<Box> boxes;
  struct Ask {
    int dialog;
    std::string initial;
  };
  std::vector<Ask> asks;
  struct Delivery {
    std::string name;
    std::string bytes;
  };
  std::vector<Delivery> deliveries;
  std::vector<std::string> sheets;  // the JSON of each sheet shown
  std::vector<std::string> copied;
  int chartChanges = 0;
  int paintCommands = 0;
  std::string output;                 // the batch worker's
  std::vector<std::string> messages;  // the batch worker's
};

// The one page; Reset() gives a fresh one.
FakePage& Page();
void Reset();

}  // namespace gb::test
