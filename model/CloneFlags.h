#pragma once
// The bits of every clone operation of the model.
enum CloneFlag : int {
    kCloneKeepId = 1,            // the copy keeps the unique identifier
    kCloneKeepFile = 2,          // the copy belongs to the source's project file
    kCloneChildren = 4,          // child windows, tasks or requirements are copied too
    kCloneKeepReferences = 8,    // the copy keeps the pointers to other objects
    kCloneTextsFromObjects = 16, // file id and reference texts are written from the live objects
    kCloneTextsAsStored = 32,    // without 16: file id and reference texts are copied as they stand
    kCloneMainFileOnly = 64,     // whole model only: objects of the main file only
};
