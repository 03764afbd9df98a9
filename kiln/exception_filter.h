// A process-wide chain of filters asked what to do with an exception that left
// a worker thread's Run: the stand-in for the original's unhandled-exception
// filter chain, which saw structured exceptions; here it sees C++ exceptions.
#pragma once

#include <exception>
#include <mutex>

namespace Kiln {

// Guards the chain. Recursive like the critical section it replaces, so a filter
// may ask the chain again; it must not register or unregister during a walk.
// Never destroyed: a filter that is a static object can still unregister at exit.
std::recursive_mutex& ChainLock();

class CExceptionFilter {
 public:
  // Answers of Filter and AskChain.
  static constexpr int kHandle = 1;
  static constexpr int kContinue = -1;  // "resume at the fault"; handled as kHandle
  static constexpr int kSearch = 0;

  CExceptionFilter() = default;
  virtual ~CExceptionFilter();
  CExceptionFilter(const CExceptionFilter&) = delete;
  CExceptionFilter& operator=(const CExceptionFilter&) = delete;

  virtual int Filter(const std::exception_ptr& exception);
  // Runs on the faulting worker when the chain handled its exception.
  virtual void OnUnhandled();

  // Puts this filter at the head of the chain; a registered one stays where it is.
  void Register();
  // Takes this filter out of the chain; harmless when it is not in it. Returns 0.
  int Unregister();
  bool IsRegistered() const;

  // Asks the registered filters, oldest registration first, until one answers
  // kHandle or kContinue; kSearch when the chain is empty or nobody answered.
  static int AskChain(const std::exception_ptr& exception);

 private:
  int registered_ = 0;
  CExceptionFilter* prev_ = nullptr;  // towards the head (newer)
  CExceptionFilter* next_ = nullptr;  // towards the far end (older)
};

}  // namespace Kiln
