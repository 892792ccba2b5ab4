// Compiles the shared precompiled header; the parts reuse it.
