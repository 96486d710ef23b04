#include "commandtable.h"

#include "commandgroups.h"

void CCommandTable::Add(int command, ViewCommandHandler handler) { handlers_[command] = std::move(handler); }

const ViewCommandHandler* CCommandTable::Find(int command) const {
  const auto it = handlers_.find(command);
  return it == handlers_.end() ? nullptr : &it->second;
}

const CCommandTable& ViewCommands() {
  static const CCommandTable table = [] {
    CCommandTable t;
    RegisterFileCommands(t);
    RegisterPrintCommands(t);
    RegisterModeCommands(t);
    RegisterDoorCommands(t);
    RegisterPartitionCommands(t);
    RegisterWallFloorCommands(t);
    RegisterPriceCommands(t);
    RegisterArchiveCommands(t);
    RegisterSendCommands(t);
    RegisterView3dCommands(t);
    return t;
  }();
  return table;
}
