// Donor of the precompiled Qt Widgets header (cmake/Precompiled.cmake).
