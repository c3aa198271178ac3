// Draws every organism character in each of its values, for both sexes, at
// the real picture sizes, plus whole individuals with genotype labels: one
// sheet per kind, written as gallery_<kind>.png (and @2x) into the folder given.

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <string>

#include "exercises/catalogue.h"
#include "genetics/exercise_setup.h"
#include "genetics/pictures/class_picture.h"
#include "genetics/pictures/dinosaur_dog.h"
#include "genetics/pictures/fly.h"
#include "genetics/pictures/monkbear.h"
#include "genetics/pictures/plant.h"
#include "layer/item_surface.h"
#include "layer/widgets/picture.h"

namespace {

using namespace crossmere;

constexpr int kCaption = 16;
constexpr int kGap = 10;

// A picture item off screen, drawn by the program's own primitives.
QPixmap Render(const std::function<void(Drawing&)>& draw, int width, int height, qreal ratio) {
  Picture picture;
  picture.resize(width, height);
  QPixmap start(QSize(width, height) * ratio);
  start.setDevicePixelRatio(ratio);
  start.fill(Qt::white);
  picture.setPixmap(start);
  ItemSurface surface(&picture, ratio);
  Drawing drawing;
  drawing.SetSurface(&surface);
  draw(drawing);
  surface.Finish();
  return picture.pixmap();
}

PictureFrame FrameFor(std::int32_t kind, bool labels = false) {
  GeneticsState g;
  g.kind = kind;
  return FrameOf(g, labels, false);
}

bool WriteSheet(std::int32_t kind, const std::string& folder, qreal ratio, const StringLists& strings) {
  const Vocabulary vocabulary = LoadVocabulary(strings, kind);
  const OrganismPalette palette = DefaultPalette();
  const PictureFrame frame = FrameFor(kind);
  const int characters = CharacterCount(kind);
  const int sexes = kind == kPlant ? 1 : 2;
  const int columns = 3 * sexes;
  const int cellW = std::max(frame.width, 96) + kGap;
  const int cellH = std::max(frame.height, FrameFor(kind, true).height) + kCaption + kGap;
  const int nameW = 120;
  const int rows = characters - 1 + 2;
  QImage sheet(QSize(nameW + columns * cellW + kGap, kCaption + rows * cellH + kGap) * ratio,
               QImage::Format_ARGB32);
  sheet.setDevicePixelRatio(ratio);
  sheet.fill(QColor(0xF4, 0xF3, 0xEF));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  painter.setFont(font);

  PictureInput input;
  input.kind = kind;
  input.palette = &palette;
  input.width = frame.width;
  input.height = frame.height;
  input.randomColours = {Rgb16{40000, 30000, 20000}, Rgb16{30000, 22000, 15000}, Rgb16{20000, 20000, 30000},
                         Rgb16{50000, 45000, 30000}};
  for (int c = 2; c <= characters; ++c) {
    const int y = kCaption + (c - 2) * cellH;
    painter.drawText(QRect(kGap, y + frame.height / 2 - 8, nameW - kGap, 16), Qt::AlignLeft,
                     QString::fromStdString(vocabulary.characters[c].name));
    for (int sex = 1; sex <= sexes; ++sex) {
      for (int value = 1; value <= 3; ++value) {
        input.values.fill(1);
        input.values[1] = sex;
        input.values[c] = value;
        const int x = nameW + ((sex - 1) * 3 + value - 1) * cellW;
        painter.drawPixmap(x, y, Render([&](Drawing& d) {
          d.ClearItem();
          DrawOrganism(d, input);
        }, frame.width, frame.height, ratio));
        const std::string caption = vocabulary.characters[c].phenotypes[value - 1] +
                                    (sexes == 2 ? (sex == 1 ? "  (F)" : "  (M)") : "");
        painter.drawText(QRect(x, y + frame.height + 1, cellW - kGap, kCaption), Qt::AlignHCenter,
                         QString::fromStdString(caption));
      }
    }
  }

  // Whole individuals of a real example, with their genotype labels.
  ExerciseSet set = LoadExerciseSet(strings, kAdvancedSet, nullptr);
  ExerciseOptions options = set.options[19];  // every genotype in the Storage container
  options.Set(96, false);
  options.Set(kind == kDinosaurDog ? 97 : kind == kMonkbear ? 98 : kind == kFly ? 99 : 100);
  if (kind == kPlant) options.Set(56, false);
  options.Set(85);
  GeneticsState genetics;
  ExampleState example;
  OffspringState offspring;
  RandomGenerator random;
  ExampleRequest request;
  request.exercise = 19;
  request.options = &options;
  request.seedFromStudent = true;
  request.studentSeed = 1152 + kind;
  SetUpExample(genetics, example, offspring, random, request, ExampleSettings(), strings, [] { return 0; },
               nullptr);
  const int wholeY = kCaption + (characters - 1) * cellH + kCaption;
  painter.drawText(QRect(kGap, wholeY - kCaption, 400, kCaption), Qt::AlignLeft,
                   QStringLiteral("Whole individuals with genotype labels"));
  const PictureFrame labelled = FrameOf(genetics, true, false);
  for (int i = 0; i < columns && i < static_cast<int>(example.storage.size()); ++i) {
    const std::int32_t classNumber = genetics.objectClass[example.storage[i * 3 % example.storage.size()]];
    painter.drawPixmap(nameW + i * cellW, wholeY,
                       Render([&](Drawing& d) { DrawClassPicture(d, genetics, example, palette, classNumber, true); },
                              labelled.width, labelled.height, ratio));
  }
  painter.end();
  const char* names[] = {"", "dinosaur_dog", "monkbear", "fly", "plant"};
  const std::string path = folder + "/gallery_" + names[kind] + (ratio > 1 ? "@2x" : "") + ".png";
  return sheet.save(QString::fromStdString(path));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: crossmere_gallery FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  const crossmere::StringLists strings;
  bool saved = true;
  for (std::int32_t kind = crossmere::kDinosaurDog; kind <= crossmere::kPlant; ++kind) {
    for (const qreal ratio : {1.0, 2.0}) saved &= WriteSheet(kind, argv[1], ratio, strings);
  }
  if (!saved) std::fprintf(stderr, "could not write the gallery to %s\n", argv[1]);
  return saved ? 0 : 1;
}
