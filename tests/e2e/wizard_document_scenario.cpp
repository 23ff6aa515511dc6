#include "wizard_document_scenario.h"

#include <shlwapi.h>

#include "common/win32/win32_registry_backend.h"
#include "wizard/wizard_settings.h"

namespace e2e {

void WizardDocumentScenario::SetUpTestSuite() {
  WizardScenario::SetUpTestSuite();
  documentType_ = std::make_unique<RecorderDocumentType>(kDocumentExtension, RecorderExe());
}

void WizardDocumentScenario::TearDownTestSuite() {
  documentType_.reset();
  WizardScenario::TearDownTestSuite();
}

void WizardDocumentScenario::SetUp() {
  WizardScenario::SetUp();
  ASSERT_TRUE(documentType_ && documentType_->ok());
  ResetValues();
  ASSERT_TRUE(cd_.AddFile(kDocument, "the CD's document"));
}

void WizardDocumentScenario::TearDown() {
  ResetValues();
  WizardScenario::TearDown();
}

void WizardDocumentScenario::ResetValues() {
  {
    Win32RegistryBackend backend;
    WizardSettings settings(backend);
    ResetConfiguration(settings);
  }
  for (const char* name : UnresetValues()) DeleteWizardValue(name);
  ::SHDeleteValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning");
  ::SHDeleteKeyA(HKEY_CURRENT_USER, (std::string(kStarterKey) + "\\" + kDocument).c_str());
}

}  // namespace e2e
