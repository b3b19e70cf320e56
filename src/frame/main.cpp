#include "frame/startup.h"

int main(int argc, char** argv) { return Run_Program(argc, argv); }
