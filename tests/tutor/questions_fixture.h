#pragma once

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include "genetics/genotype_classes.h"
#include "tests/workspace/running_program.h"
#include "tutor/progression.h"
#include "tutor/question_window.h"
#include "workspace/exercise_start.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere::testing {

using namespace main_window;
using namespace question_window;

constexpr std::int32_t kMarksValue = 1513;
constexpr std::int32_t kYes = 61;
constexpr std::int32_t kNo = 62;

// A student at a chosen exercise, answering its questions with the mouse.
class Questions : public RunningProgram {
 protected:
  void Start(bool advanced, std::int32_t ex) {
    session.startup.advancedLevel = advanced ? 1 : 0;
    LoadExercises(session);
    PrecomputeStudentKinds(session);
    session.progress.current = ex;
    StartExercise(session);
    service.ClearTranscript();
  }

  std::int32_t Window(std::int32_t q) { return 500 + session.questions.list.types[q]; }

  // A living genotype class with `copies` of allele 1 at locus 1.
  std::int32_t ClassWith(std::int32_t copies, std::int32_t sex = 0) {
    const GeneticsState& g = session.genetics;
    for (std::int32_t c = 1; c <= kClassCount; ++c) {
      const Genotype& genotype = g.classes[c];
      if (genotype.Sum(g.locusPosition[1]) == copies && genotype.Sex() == sex && !IsLethalClass(g, c)) return c;
    }
    ADD_FAILURE() << "no class with " << copies << " copies";
    return 1;
  }

  std::int32_t Homozygote(std::int32_t allele, std::int32_t sex = 0) { return ClassWith(2 * allele, sex); }

  // Nothing on the workspace but the two parents, both of this class.
  void OnlyParentsOf(std::int32_t classNumber) {
    ClearIndividuals(session);
    for (std::int32_t object = kFirstOffspringObject; object <= kLastObject; ++object) {
      session.genetics.objectClass[object] = 0;
    }
    session.offspring.pending = 0;
    session.genetics.objectClass[kFirstParentObject] = classNumber;
    session.genetics.objectClass[kSecondParentObject] = classNumber;
  }

  void Choose(std::int32_t q) { service.PostEvent(kQuestionsMenu, kFirstQuestionCommand - 1 + q, 0); }
  void Click(std::int32_t object) { service.PressPicture(kWindow, object); }
  void MarkMe(std::int32_t q) { service.PostEvent(Window(q), kMark, 0); }
  void Answer(std::int32_t q, std::int32_t radio) {
    service.ItemSelect(Window(q), radio);
    service.SetControlValue(1);
    service.PostEvent(Window(q), radio, 0);
  }
  void AnswerDialog(std::int32_t number, std::int32_t button) {
    service.AnswerNextDialog([number, button](ScriptedDialog& d) {
      EXPECT_EQ(d.Number(), number);
      d.Click(button);
    });
  }

  const QuestionRecord& Record(std::int32_t q) { return session.questionState.records[q]; }
  std::string Good(std::int32_t q) { return service.ItemVisible(Window(q), kGoodText) ? service.ItemText(Window(q), kGoodText) : ""; }
  std::string Bad(std::int32_t q) { return service.ItemVisible(Window(q), kBadText) ? service.ItemText(Window(q), kBadText) : ""; }

  // The text colour of a main-window label, as the student sees it.
  std::uint32_t TextColour(std::int32_t item) {
    for (QWidget* w : QApplication::allWidgets()) {
      if (w->property("item").toInt() == item && w->window()->property("dialog").toInt() == kWindow) {
        return w->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
      }
    }
    return 0;
  }

  bool Checked(std::int32_t command) { return service.MenuItems(command).front().checked; }
  bool Enabled(std::int32_t command) { return service.MenuItems(command).front().enabled; }
};

}  // namespace crossmere::testing
