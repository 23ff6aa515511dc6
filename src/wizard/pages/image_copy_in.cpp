#include "wizard/pages/image_copy_in.h"

#include "common/file_system.h"
#include "common/text.h"
#include "wizard/file_copier.h"
#include "wizard/pages/file_page_texts.h"
#include "wizard/pages/image_chooser_rules.h"
#include "wizard/pages/image_chooser_texts.h"
#include "wizard/pages/resource_files.h"

namespace image_chooser {

CopyInResult CopyInImage(const std::string& source, const std::string& folder, const FileSystem& fs,
                         FileCopier& copier, OptionQuestions& questions) {
  const std::string name = ImageName(source);
  const std::string target = folder + name;
  // A file picked inside the folder itself is there already: copying it onto
  // itself could only fail, and asking to overwrite it with itself makes no sense.
  if (text::EqualsNoCase(source, target)) return {CopyInOutcome::kKeptExisting, name};
  for (;;) {
    if (fs.FindFile(target) &&
        !questions.AskYesNo(file_page_texts::OverwriteQuestion(target, source))) {
      return {CopyInOutcome::kKeptExisting, name};
    }
    if (copier.CopyReplacing(source, target) == 0) return {CopyInOutcome::kCopied, name};
    const std::string failed =
        text::Format(image_chooser_texts::kCopyFailedFormat, source.c_str(), target.c_str());
    if (!questions.AskRetryCancel(failed)) return {CopyInOutcome::kCancelled, {}};
  }
}

}  // namespace image_chooser
