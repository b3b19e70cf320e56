#include "frame/startup.h"

int Refresh_Mode = 0;
