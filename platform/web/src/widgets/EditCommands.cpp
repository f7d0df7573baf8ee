#include "widgets/EditCommands.h"

#include <string>

#include "widgets/Element.h"

namespace platform::detail {
namespace {

constexpr EditCommand kCommands[] = {{"EditUndo"},  {"EditCut"},   {"EditCopy"},
                                     {"EditPaste"}, {"EditClear"}, {"EditSelectAll"}};

}  // namespace

const EditCommand* EditCommandNamed(std::string_view itemName) {
  for (const EditCommand& command : kCommands) {
    if (command.itemName == itemName) return &command;
  }
  return nullptr;
}

bool CanRun(const EditCommand& command) {
  return web::Call("canEdit", 0, std::string(command.itemName)) != 0;
}

void Run(const EditCommand& command) {
  web::Call("edit", 0, std::string(command.itemName));
}

}  // namespace platform::detail
