// The image class, under ATL's header name.
#pragma once

#include "afx/image.h"
