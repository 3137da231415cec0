#include "GroupApp.h"

int main(int argc, char** argv) {
    return fyn::GroupApp::run(argc, argv);
}
