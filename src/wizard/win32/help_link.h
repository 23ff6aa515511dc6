// The wizard's links: one that opens a help topic, and one that runs an
// action of the program (the files-to-copy report) instead of an address.
#pragma once

#include <functional>
#include <string>

#include "common/win32/hyperlink_static.h"

class HelpLink : public win32::HyperlinkStatic {
 public:
  void SetTopic(const std::string& topic) { topic_ = topic; }
  const std::string& topic() const { return topic_; }
  // Opens the topic's help page; the link then shows as visited.
  bool OpenLink() override;

 private:
  std::string topic_;
};

class ActionLink : public win32::HyperlinkStatic {
 public:
  void SetAction(std::function<void()> action) { action_ = std::move(action); }
  bool OpenLink() override;

 private:
  std::function<void()> action_;
};
