#include "config/autorun_keys.h"

#include "common/text.h"

namespace keys {

std::string MultiSourceFile(int n) { return text::Format("MultiSourceFile%d", n); }
std::string MultiSourceFileName(int n) { return text::Format("MultiSourceFileName%d", n); }
std::string MultiSourceForceOpen(int n) { return text::Format("MultiSourceForceOpen%d", n); }

}  // namespace keys
