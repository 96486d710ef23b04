#pragma once

#include <functional>
#include <memory>
#include <vector>

// Index look-ups shared by the model's ordered lists: by value (panels in
// their run) and by owning pointer (segments, partitions, strips in their
// camera). An index outside the list gives null; an element that is not in
// the list gives -1.
namespace list_access {

template <class T>
T* At(std::vector<T>& list, int index) {
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return nullptr;
  return &list[static_cast<size_t>(index)];
}

template <class T>
const T* At(const std::vector<T>& list, int index) {
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return nullptr;
  return &list[static_cast<size_t>(index)];
}

template <class T>
T* OwnedAt(const std::vector<std::unique_ptr<T>>& list, int index) {
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return nullptr;
  return list[static_cast<size_t>(index)].get();
}

// Position of an element held by value, found by its address; std::less
// orders pointers into other arrays safely.
template <class T>
int IndexOf(const std::vector<T>& list, const T* item) {
  if (!item || list.empty()) return -1;
  const T* first = list.data();
  const std::less<const T*> before;
  if (before(item, first) || !before(item, first + list.size())) return -1;
  return static_cast<int>(item - first);
}

template <class T, class U>
int IndexOfOwned(const std::vector<std::unique_ptr<T>>& list, const U* item) {
  if (!item) return -1;
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].get() == item) return static_cast<int>(i);
  return -1;
}

}  // namespace list_access
