// A numeric procedure that reaches up into the window: the layer check refuses it.
#pragma once

#include "ui/main/form1.h"
