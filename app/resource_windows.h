// SPDX-License-Identifier: MIT
#pragma once

// Identifiers of the executable's resources, shared by zelvan.rc and the
// windows that load them. The icon comes first so Explorer shows it.
#define ZELVAN_ICON 1
