#include "ui/qt/Program.h"

int main(int argc, char** argv) { return gb::RunApplication(argc, argv); }
