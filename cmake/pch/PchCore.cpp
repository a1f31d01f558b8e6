// Donor of the precompiled Qt Core header (cmake/Precompiled.cmake).
