// The Core library: everything a package includes from it.
#pragma once

#include "core/api.h"
#include "core/array.h"
#include "core/class.h"
#include "core/errors.h"
#include "core/frame.h"
#include "core/guid.h"
#include "core/math.h"
#include "core/memory.h"
#include "core/names.h"
#include "core/object.h"
#include "core/output_device.h"
#include "core/strings.h"
