// The help topics the wizard names and the pages shipped in help/: each topic
// has its page and each page belongs to a topic.
#include "wizard/help_topics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

TEST(HelpTopics, EveryTopicHasItsPageAndEveryPageATopic) {
  const std::filesystem::path folder = VENDISC_HELP_DIR;
  std::set<std::string> topics;
  for (const char* topic : help_topics::All()) {
    EXPECT_TRUE(topics.insert(topic).second) << "named twice: " << topic;
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / (std::string(topic) + ".html")))
        << "no page for " << topic;
  }
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".html") continue;
    EXPECT_TRUE(topics.count(entry.path().stem().string())) << "no topic opens " << entry.path();
  }
  EXPECT_EQ(topics.size(), 40u);
}

TEST(HelpTopics, PagePathAndMessage) {
  EXPECT_EQ(help_topics::PagePath("C:\\Kit\\help", help_topics::kRisks),
            "C:\\Kit\\help\\risks.html");
  EXPECT_EQ(help_topics::PageNotFoundMessage("C:\\Kit\\help\\risks.html", 2),
            "Sorry, but it was not possible to locate the help file.\n\nLooking for "
            ":C:\\Kit\\help\\risks.html\n\nError code: 2.");
}

}  // namespace
