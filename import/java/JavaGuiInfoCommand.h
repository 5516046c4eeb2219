#pragma once
// The "Java-GUI Info" command: asks for a recorded Java GUI description (proposing the last
// one), imports it, records the undo step "Java Import" whatever the outcome (the trees read
// before an error stay) and reports the outcome in a message box. False when the user cancelled.
bool RunJavaGuiInfoCommand();
