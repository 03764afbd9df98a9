#include "kiln/exception_filter.h"

namespace Kiln {

namespace {

// The newest registration; guarded by ChainLock.
CExceptionFilter* ChainHead = nullptr;

}  // namespace

std::recursive_mutex& ChainLock() {
  // Leaked on purpose: static filters may unregister after other statics died.
  static auto* lock = new std::recursive_mutex;
  return *lock;
}

CExceptionFilter::~CExceptionFilter() {
  Unregister();
}

int CExceptionFilter::Filter(const std::exception_ptr& exception) {
  (void)exception;
  return kSearch;
}

void CExceptionFilter::OnUnhandled() {}

void CExceptionFilter::Register() {
  const std::lock_guard guard(ChainLock());
  if (registered_ != 0) return;
  registered_ = 1;
  prev_ = nullptr;
  next_ = ChainHead;
  if (ChainHead != nullptr) ChainHead->prev_ = this;
  ChainHead = this;
}

int CExceptionFilter::Unregister() {
  const std::lock_guard guard(ChainLock());
  registered_ = 0;
  if (ChainHead == this) ChainHead = next_ != nullptr ? next_ : prev_;
  if (prev_ != nullptr) prev_->next_ = next_;
  if (next_ != nullptr) next_->prev_ = prev_;
  prev_ = nullptr;
  next_ = nullptr;
  return 0;
}

bool CExceptionFilter::IsRegistered() const {
  const std::lock_guard guard(ChainLock());
  return registered_ != 0;
}

int CExceptionFilter::AskChain(const std::exception_ptr& exception) {
  const std::lock_guard guard(ChainLock());
  CExceptionFilter* node = ChainHead;
  if (node == nullptr) return kSearch;
  while (node->next_ != nullptr) node = node->next_;
  // Back from the far end: the filter registered first is asked first.
  for (; node != nullptr; node = node->prev_) {
    if (node->registered_ == 0) continue;
    const int answer = node->Filter(exception);
    if (answer == kHandle || answer == kContinue) return answer;
  }
  return kSearch;
}

}  // namespace Kiln
