#include "namedevent.h"

#include <fcntl.h>
#include <semaphore.h>

namespace {

std::string SemName(const std::string& name) { return name.starts_with('/') ? name : "/" + name; }

sem_t* Sem(void* h) { return static_cast<sem_t*>(h); }

}  // namespace

CNamedEvent::~CNamedEvent() { Close(); }

bool CNamedEvent::Create(const std::string& name) {
  Close();
  sem_t* s = sem_open(SemName(name).c_str(), O_CREAT, 0600, 0);
  if (s == SEM_FAILED) return false;
  handle_ = s;
  return true;
}

bool CNamedEvent::Open(const std::string& name) {
  Close();
  sem_t* s = sem_open(SemName(name).c_str(), 0);
  if (s == SEM_FAILED) return false;
  handle_ = s;
  return true;
}

bool CNamedEvent::Set() {
  if (!handle_) return false;
  int value = 0;
  if (sem_getvalue(Sem(handle_), &value) != 0) return false;
  return value > 0 || sem_post(Sem(handle_)) == 0;
}

bool CNamedEvent::Reset() {
  if (!handle_) return false;
  while (sem_trywait(Sem(handle_)) == 0) {
  }
  return true;
}

bool CNamedEvent::IsSet() const {
  if (!handle_) return false;
  int value = 0;
  return sem_getvalue(Sem(handle_), &value) == 0 && value > 0;
}

void CNamedEvent::Close() {
  if (handle_) sem_close(Sem(handle_));
  handle_ = nullptr;
}

void CNamedEvent::Unlink(const std::string& name) { sem_unlink(SemName(name).c_str()); }
