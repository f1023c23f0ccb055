// The conversion library's C surface.
#include "tarvenwick/twzhtml.h"
