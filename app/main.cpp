// The program: one application object, whose start-up runs the main window.
#include "CFGApp.h"

CCFGApp theApp;

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
