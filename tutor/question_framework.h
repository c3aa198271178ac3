#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace crossmere {

struct Session;

// The questions menu as a new try begins: a title for each question of the
// exercise, no bullets, the rest hidden.
void RebuildQuestionsMenu(Session& session);

// Closes every question window and forgets the questions of the last try.
void ClearQuestions(Session& session);

// The student chose question q from the questions menu.
void SelectQuestion(Session& session, std::int32_t q);
// What marking came to; progression finishes the try on the last question.
enum class MarkOutcome { Unmarked, Marked, LastQuestionMarked };

// The marking button of the showing question.
MarkOutcome MarkQuestion(Session& session);
// "Hide question" or the window's close box.
void HideQuestion(Session& session);
void ExplainQuestion(Session& session);
void SeeGenotypes(Session& session);
void ShowRules(Session& session);

// Handles a click in a question window or its companions, with what any
// marking came to; nothing when the event belongs to someone else.
std::optional<MarkOutcome> QuestionWindowEvent(Session& session, std::int32_t window, std::int32_t item);

// A click on the workspace or in a container's view while a question shows;
// true when the question took it, so that nothing is dragged.
bool QuestionWorkspaceClick(Session& session, std::int32_t window, std::int32_t item);

// Questions answered by a choice: the marking button waits for one. Shown
// again unanswered, the button goes; a choice brings it back once the
// questions before are done.
void HideMarkingUntilAnswered(Session& session, std::int32_t q, bool answered);
void ShowMarkingOnAnswer(Session& session, std::int32_t q);

// Offspring a cross needs before questions may count them: fewer where the
// class cannot sort them into cages automatically.
std::int32_t MinimumOffspring(const Session& session);

// A question not ready to be asked: its instruction says why, and it has
// no marking button until it is set up afresh.
void RefuseSetUp(Session& session, std::int32_t q, const std::string& instruction);

// Helpers the families use to report on the showing question.
void ShowGood(Session& session, const std::string& text);
void ShowBad(Session& session, const std::string& text);
void ShowResultLine(Session& session, std::int32_t item, const std::string& text);
// Beside an answer box: a tick in the good colour where it is right, the
// program's value in the bad colour where it is not.
void ShowVerdictBeside(Session& session, std::int32_t window, std::int32_t item, bool right, const std::string& value);
// The window of the showing (or current) question.
std::int32_t QuestionWindowNumber(const Session& session);
std::int32_t QuestionType(const Session& session, std::int32_t q);
// Every question before q is completed, so q may be marked.
bool EarlierQuestionsDone(const Session& session, std::int32_t q);
// Every question of the try is completed (true for an exercise without questions).
bool AllQuestionsDone(const Session& session);

}  // namespace crossmere
