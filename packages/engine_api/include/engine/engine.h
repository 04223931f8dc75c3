// The Engine library: everything a package includes from it.
#pragma once

#include "core/core.h"
#include "engine/actor.h"
#include "engine/api.h"
#include "engine/color.h"
#include "engine/controller.h"
#include "engine/info.h"
#include "engine/level.h"
#include "engine/mesh.h"
#include "engine/pawn.h"
#include "engine/projector.h"
#include "engine/triggers.h"
