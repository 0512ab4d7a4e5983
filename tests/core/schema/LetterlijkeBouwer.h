#pragma once

#include "core/schema/TSchemaBoom.h"

class ToernooiModel;

// The schedule builder exactly as its rules are written, slow and plain: at every slot a
// fresh copy of the poule tree is narrowed team by team and poule by poule, the choice
// compares every remaining pair of every poule, and a pair's meetings are counted in the
// opponent lists. The tests hold the real builder against it. Expects sound links; returns
// false when round 299 passes with poules still open.
bool BouwLetterlijk(const ToernooiModel& model, TSchemaBoom& boom);
