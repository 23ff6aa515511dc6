// What the wizard's CD scenarios share: a CD folder holding one document
// that opens the recorder, and a new configuration on a machine that was
// never asked anything, before and after each scenario.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "starter_scenario.h"
#include "wizard_scenario.h"

namespace e2e {

class WizardDocumentScenario : public WizardScenario {
 public:
  static constexpr const char* kDocument = "doc.vdscn";

  static void SetUpTestSuite();
  static void TearDownTestSuite();

 protected:
  void SetUp() override;
  void TearDown() override;

  // The wizard's values a new configuration leaves alone that the scenario
  // depends on: removed with the reset.
  virtual std::span<const char* const> UnresetValues() const = 0;
  // A new configuration, as "New Configuration" makes one; the starter's
  // flags for the document cleared.
  void ResetValues();
  std::string Folder() const { return cd_.Path() + "\\"; }

 private:
  static inline std::unique_ptr<RecorderDocumentType> documentType_;
};

}  // namespace e2e
