#include "kiln/exception_filter.h"

#include <gtest/gtest.h>

#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Kiln::CExceptionFilter;

// Logs its name when asked and gives a fixed answer.
class NamedFilter : public CExceptionFilter {
 public:
  NamedFilter(std::string name, std::vector<std::string>& log, int answer = kSearch)
      : name_(std::move(name)), log_(log), answer_(answer) {}
  int Filter(const std::exception_ptr& exception) override {
    (void)exception;
    log_.push_back(name_);
    return answer_;
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
  int answer_;
};

std::exception_ptr AnException() {
  return std::make_exception_ptr(std::runtime_error("x"));
}

using Log = std::vector<std::string>;

TEST(ExceptionChain, AnEmptyChainKeepsSearching) {
  EXPECT_EQ(CExceptionFilter::AskChain(AnException()), CExceptionFilter::kSearch);
  CExceptionFilter unregistered;
  EXPECT_FALSE(unregistered.IsRegistered());
  EXPECT_EQ(CExceptionFilter::AskChain(AnException()), CExceptionFilter::kSearch);
}

TEST(ExceptionChain, TheDefaultFilterKeepsSearching) {
  CExceptionFilter plain;
  plain.Register();
  EXPECT_EQ(plain.Filter(AnException()), CExceptionFilter::kSearch);
  EXPECT_EQ(CExceptionFilter::AskChain(AnException()), CExceptionFilter::kSearch);
  plain.OnUnhandled();  // the default does nothing and must not throw
}

TEST(ExceptionChain, FiltersAreAskedOldestRegistrationFirst) {
  Log log;
  NamedFilter a("a", log), b("b", log), c("c", log);
  a.Register();
  b.Register();
  c.Register();
  EXPECT_EQ(CExceptionFilter::AskChain(AnException()), CExceptionFilter::kSearch);
  EXPECT_EQ(log, (Log{"a", "b", "c"}));
}

TEST(ExceptionChain, TheFirstDecisiveAnswerWins) {
  Log log;
  NamedFilter a("a", log), b("b", log, CExceptionFilter::kHandle), c("c", log);
  a.Register();
  b.Register();
  c.Register();
  EXPECT_EQ(CExceptionFilter::AskChain(AnException()), CExceptionFilter::kHandle);
  EXPECT_EQ(log, (Log{"a", "b"}));

  log.clear();
  NamedFilter d("d", log, CExceptionFilter::kContinue);
  b.Unregister();
  d.Register();
  EXPECT_EQ(CExceptionFilter::AskChain(AnException()), CExceptionFilter::kContinue);
  EXPECT_EQ(log, (Log{"a", "c", "d"}));
}

TEST(ExceptionChain, AnswersOtherThanHandleOrContinueKeepSearching) {
  Log log;
  NamedFilter a("a", log, 2), b("b", log, -2), c("c", log, CExceptionFilter::kHandle);
  a.Register();
  b.Register();
  c.Register();
  EXPECT_EQ(CExceptionFilter::AskChain(AnException()), CExceptionFilter::kHandle);
  EXPECT_EQ(log, (Log{"a", "b", "c"}));
}

TEST(ExceptionChain, UnregisteringTheHeadMovesTheHeadToItsNeighbour) {
  Log log;
  NamedFilter a("a", log), b("b", log), c("c", log);
  a.Register();
  b.Register();
  c.Register();  // the head
  EXPECT_EQ(c.Unregister(), 0);
  EXPECT_FALSE(c.IsRegistered());
  CExceptionFilter::AskChain(AnException());
  EXPECT_EQ(log, (Log{"a", "b"}));

  log.clear();
  EXPECT_EQ(b.Unregister(), 0);  // the head again
  CExceptionFilter::AskChain(AnException());
  EXPECT_EQ(log, (Log{"a"}));

  log.clear();
  EXPECT_EQ(a.Unregister(), 0);  // the last one
  EXPECT_EQ(CExceptionFilter::AskChain(AnException()), CExceptionFilter::kSearch);
  EXPECT_TRUE(log.empty());

  c.Register();  // an empty chain takes a new head
  CExceptionFilter::AskChain(AnException());
  EXPECT_EQ(log, (Log{"c"}));
}

TEST(ExceptionChain, UnregisteringTheMiddleOrTheFarEndKeepsTheRest) {
  Log log;
  NamedFilter a("a", log), b("b", log), c("c", log);
  a.Register();
  b.Register();
  c.Register();
  b.Unregister();
  CExceptionFilter::AskChain(AnException());
  EXPECT_EQ(log, (Log{"a", "c"}));

  log.clear();
  a.Unregister();
  CExceptionFilter::AskChain(AnException());
  EXPECT_EQ(log, (Log{"c"}));

  log.clear();
  b.Register();  // back in, as the newest
  a.Register();
  CExceptionFilter::AskChain(AnException());
  EXPECT_EQ(log, (Log{"c", "b", "a"}));
}

TEST(ExceptionChain, RegisteringTwiceOrUnregisteringTwiceIsHarmless) {
  Log log;
  NamedFilter a("a", log), b("b", log);
  a.Register();
  b.Register();
  a.Register();
  EXPECT_TRUE(a.IsRegistered());
  CExceptionFilter::AskChain(AnException());
  EXPECT_EQ(log, (Log{"a", "b"}));

  log.clear();
  EXPECT_EQ(a.Unregister(), 0);
  EXPECT_EQ(a.Unregister(), 0);
  CExceptionFilter::AskChain(AnException());
  EXPECT_EQ(log, (Log{"b"}));
}

TEST(ExceptionChain, ADestroyedFilterLeavesTheChain) {
  Log log;
  NamedFilter a("a", log);
  a.Register();
  {
    NamedFilter b("b", log);
    b.Register();
    CExceptionFilter::AskChain(AnException());
  }
  CExceptionFilter::AskChain(AnException());
  EXPECT_EQ(log, (Log{"a", "b", "a"}));
}

TEST(ExceptionChain, TheLockIsReentrantForTheThreadHoldingIt) {
  Log log;
  NamedFilter a("a", log, CExceptionFilter::kHandle);
  const std::lock_guard guard(Kiln::ChainLock());
  a.Register();
  EXPECT_EQ(CExceptionFilter::AskChain(AnException()), CExceptionFilter::kHandle);
  a.Unregister();
  EXPECT_EQ(log, (Log{"a"}));
}

}  // namespace
