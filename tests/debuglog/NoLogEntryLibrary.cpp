// A library that loads but has no `Log` entry point.
extern "C" __attribute__((visibility("default"))) int SomethingElse() {
    return 42;
}
