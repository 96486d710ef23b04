#pragma once

#include <functional>
#include <map>

class CChildView;

// The camera window's commands by number. Each group of commands lives in
// a file of its own and adds its handlers through a registration function
// (commandgroups.h); the view runs a command by looking its number up here,
// whichever way the number arrived (menu, context menu, toolbar, shortcut,
// test).
//
// A handler works on the view it is given: the document and camera through
// CChildView::Document() / Camera(), what the last clicks selected through
// CChildView::Selection(), edits through CChildView::ApplyEdit() (which
// records them, or shows why the model refused), dialogs through
// CChildView::RunDialog(). It redraws nothing itself unless it changed the
// camera outside ApplyEdit.
using ViewCommandHandler = std::function<void(CChildView&)>;

class CCommandTable {
 public:
  // Adds or replaces the handler of `command`.
  void Add(int command, ViewCommandHandler handler);
  // The handler of `command`, or null.
  const ViewCommandHandler* Find(int command) const;
  bool Has(int command) const { return Find(command) != nullptr; }
  size_t Size() const { return handlers_.size(); }

 private:
  std::map<int, ViewCommandHandler> handlers_;
};

// Every camera window command, registered once by all the groups.
const CCommandTable& ViewCommands();
