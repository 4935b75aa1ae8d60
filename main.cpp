#include "app/run_flow.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    kelpworth::platform::StartProcess(argc, argv);
    return kelpworth::RunKelpworth();
}
