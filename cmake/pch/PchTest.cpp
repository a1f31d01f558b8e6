// Donor of the precompiled header of the test programs (cmake/Precompiled.cmake);
// its main() comes from GoogleTest.
