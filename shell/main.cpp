#include "shell/startup.h"

int main(int argc, char** argv) { return vantoro::processMain(argc, argv); }
