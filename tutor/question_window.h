#pragma once

#include <cstdint>

#include "exercises/question_types.h"

namespace crossmere {

// Items every question window has, and the numbering of question windows.
namespace question_window {
inline constexpr std::int32_t kFirst = QuestionWindowOf(kFirstQuestionType);
inline constexpr std::int32_t kLast = QuestionWindowOf(kLastQuestionType);
inline constexpr std::int32_t kMark = 1000;
inline constexpr std::int32_t kExplain = 990;
inline constexpr std::int32_t kHide = 999;
inline constexpr std::int32_t kSeeGenotypes = 888;
inline constexpr std::int32_t kGoodImage = 301;
inline constexpr std::int32_t kGoodText = 302;
inline constexpr std::int32_t kBadImage = 303;
inline constexpr std::int32_t kBadText = 304;
inline constexpr std::int32_t kMarksText = 305;
inline constexpr std::int32_t kFirstResult = 301;
inline constexpr std::int32_t kLastResult = 314;
inline constexpr std::int32_t kInstruction = 401;
inline constexpr std::int32_t kAnswerFirst = 320;  // why the marking button is missing

inline constexpr std::int32_t kRules = 500;        // "Rules for questions"
inline constexpr std::int32_t kOutOfOrder = 498;   // marking before earlier questions
inline constexpr std::int32_t kExplanation = 550;  // "Explain Ex.. Q.."
inline constexpr std::int32_t kRulesCommand = 1100;
inline constexpr std::int32_t kFirstQuestionCommand = 1101;  // question q: 1100 + q

inline constexpr std::uint32_t kGoodColour = 0x1E7B34;
inline constexpr std::uint32_t kBadColour = 0xB3261E;
}  // namespace question_window

constexpr bool IsQuestionWindow(std::int32_t window) {
  return window >= question_window::kFirst && window <= question_window::kLast;
}

}  // namespace crossmere
