#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "shell/Dialogs.h"

/// Answers dialogs from queues and records every question; an unexpected question fails the test.
/// Installs itself as the dialog service for its lifetime.
class ScriptedDialogs final : public Dialogs {
 public:
  struct Asked {
    std::string caption, text;
    DlgKind kind;
    DlgButtons buttons;
    int defaultButton;
    int answer;
  };

  ScriptedDialogs() { setDialogs(this); }
  ~ScriptedDialogs() override { setDialogs(nullptr); }

  /// Answer for the next Yes/No or Yes/No/Cancel question (mrYes, mrNo, mrCancel); OK boxes need none.
  void answer(int a) { answers_.push_back(a); }
  void answerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  /// The filter (1-based) the next filtered save dialog reports as chosen.
  void answerFileFilter(int filterIndex) { filters_.push_back(filterIndex); }
  void answerColour(std::optional<std::uint32_t> c) { colours_.push_back(c); }

  int message(std::string_view caption, std::string_view text, DlgKind kind, DlgButtons buttons,
              int defaultButton) override {
    int a = mrOk;
    if (buttons != DlgButtons::Ok) {
      if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        a = mrNo;
      } else {
        a = answers_.front();
        answers_.pop_front();
      }
    }
    asked.push_back({std::string(caption), std::string(text), kind, buttons, defaultButton, a});
    return a;
  }
  void plainMessage(std::string_view text) override { plain.emplace_back(text); }
  std::optional<std::string> openFileName(const FileDialogOptions& o) override { return nextFile(o); }
  std::optional<std::string> saveFileName(const FileDialogOptions& o) override { return nextFile(o); }
  /// The filter answered by answerFileFilter, else the options' own.
  std::optional<std::string> saveFileNameFiltered(const FileDialogOptions& o, int& chosenFilter) override {
    chosenFilter = o.filterIndex;
    if (!filters_.empty()) {
      chosenFilter = filters_.front();
      filters_.pop_front();
    }
    return nextFile(o);
  }
  std::optional<std::uint32_t> chooseColour(std::uint32_t) override {
    if (colours_.empty()) {
      ADD_FAILURE() << "unexpected colour dialog";
      return std::nullopt;
    }
    auto c = colours_.front();
    colours_.pop_front();
    return c;
  }
  void beep() override { ++beeps; }

  std::vector<Asked> asked;        // every message dialog, in order
  std::vector<std::string> plain;  // plain message boxes
  std::vector<FileDialogOptions> fileDialogs;
  int beeps = 0;

  bool anyTextContains(std::string_view s) const {
    for (const auto& a : asked)
      if (a.text.find(s) != std::string::npos) return true;
    return false;
  }

 private:
  std::optional<std::string> nextFile(const FileDialogOptions& o) {
    fileDialogs.push_back(o);
    if (files_.empty()) {
      ADD_FAILURE() << "unexpected file dialog";
      return std::nullopt;
    }
    auto f = files_.front();
    files_.pop_front();
    return f;
  }
  std::deque<int> answers_;
  std::deque<std::optional<std::string>> files_;
  std::deque<int> filters_;
  std::deque<std::optional<std::uint32_t>> colours_;
};
