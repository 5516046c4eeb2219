#pragma once
// Makes the program's UFT and Ranorex repository readers those that the converters' repository
// imports use. The program does so at start-up; tests that import repositories do it too.
void InstallRepositoryReaders();
