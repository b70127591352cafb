// A shared library that is no package: it exports none of the entry points.
extern "C" int ZtNotAPackage() {
    return 42;
}
