#pragma once

// Everything the plugin sees of the host.
#include "interface/calling_convention.h"
#include "interface/clip.h"
#include "interface/environment.h"
#include "interface/script_value.h"
#include "interface/video_frame.h"
#include "interface/video_info.h"
