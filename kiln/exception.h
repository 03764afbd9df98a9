// The exceptions a scenario body throws to leave its blocks early.
#pragma once

#include <cstdint>

namespace Kiln {

class CScenario;

class CException {
 public:
  CException() = default;
  CException(const CException&) = default;
  CException& operator=(const CException&) = default;
  virtual ~CException() = default;
};

class CScenarioException : public CException {
 public:
  CScenarioException(CScenario* scenario, std::int32_t code) : scenario_(scenario), code_(code) {}

  CScenario* Scenario() const { return scenario_; }
  std::int32_t Code() const { return code_; }

 private:
  CScenario* scenario_;
  std::int32_t code_;
};

// Thrown by the default Main when its scenario is told to stop.
class CScenarioExitException : public CScenarioException {
 public:
  using CScenarioException::CScenarioException;
};

}  // namespace Kiln
