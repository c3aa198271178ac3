#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace crossmere {

// Screen numbers of the containers and how much one holds.
namespace containers {
inline constexpr std::int32_t kFirst = 1301;  // the Storage container
inline constexpr std::int32_t kLast = 1317;
inline constexpr std::int32_t kCapacity = 100;
}  // namespace containers

struct ContainerRecord {
  std::string name;
  std::int32_t count = -1;  // -1: on the spare pile, else individuals held
  // Genotype class of the individual in each spot 1..100; negative: taken out
  // while the container is open.
  std::array<std::int32_t, containers::kCapacity + 1> spots{};
  std::int32_t crossTag = 0;  // 0 nothing yet, n all from cross n, -1 mixed
};

// The containers on the workspace and what they hold.
struct ContainerState {
  std::array<ContainerRecord, containers::kLast - containers::kFirst + 1> records;
  std::int32_t held = 0;          // individuals in all containers
  std::int32_t inUse = 1;         // the Storage container included
  std::int32_t storageSpots = 0;  // Storage spots ever filled this exercise
  std::int32_t selected = 0;      // container number, 0 = none
  std::int32_t open = 0;          // container shown in its view window, 0 = none
  std::array<bool, 15> skipConfirm{};  // by confirmation kind
  // The spot of each individual shown in the open container, by its place in the view.
  std::array<std::int32_t, containers::kCapacity> shownSpots{};

  ContainerRecord& Record(std::int32_t container) { return records[container - containers::kFirst]; }
  const ContainerRecord& Record(std::int32_t container) const { return records[container - containers::kFirst]; }

  // Puts an individual of a class in the container's next spot; the Storage
  // container never reuses a spot within an exercise.
  void Add(std::int32_t container, std::int32_t classNumber) {
    ContainerRecord& record = Record(container);
    ++record.count;
    const std::int32_t spot = container == containers::kFirst ? ++storageSpots : record.count;
    record.spots[spot] = classNumber;
    ++held;
  }
};

// The cross standing in the crossing box.
struct CrossState {
  std::int32_t number = 0;                    // counts crosses; containers remember it
  std::array<std::int32_t, 2> lastParents{};  // who last stood in each place
  std::int32_t inBoxes = 0;                   // individuals standing in the parent places
  bool parentsLocked = false;                 // kept for questions that count their offspring
};

}  // namespace crossmere
