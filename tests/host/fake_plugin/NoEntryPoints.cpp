// A shared object that is not an OFX plug-in: it exports no entry points.

extern "C" __attribute__((visibility("default"))) int notAnOfxPlugin() {
    return 0;
}
