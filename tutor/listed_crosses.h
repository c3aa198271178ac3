#pragma once

#include <cstdint>
#include <string>

#include "exercises/cross_list.h"
#include "exercises/cross_table_check.h"

namespace crossmere {

struct Session;

// The crosses listed in "List all crosses", shared by the questions that
// read the list after it.
CrossList& ListedCrosses(Session& session);

// With separate sexes at a sex-linked locus a cross and its reciprocal differ.
bool CrossesOrdered(const Session& session);

// A cross as the lists write it, the female (or first parent) first.
std::string CrossText(const Session& session, const ListedCross& cross);

// The example's first locus as the tables of expected offspring see it.
TableLocus TableLocusOf(const Session& session);

// The name of a form of the first locus's character.
std::string FormName(const Session& session, std::int32_t value);

}  // namespace crossmere
