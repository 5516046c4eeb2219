' KAVRO custom functions for TestPartner.
' Every script that KAVRO converts includes this module; the statements of its steps call the
' helpers below. The module may be extended, but the helpers must keep their names and
' parameters.

' How long the wait helpers pause between two looks at the window, in milliseconds.
Const KAVRO_POLL_INTERVAL = 100

' Sets a check box to a state: 0 unchecked, 1 checked, 2 undetermined. A tri-state check box
' passes through its states click by click, so at most two clicks reach any of them.
Public Sub SetCheckBoxState(ByVal AttachName As String, ByVal State As Integer)
    Dim Clicks As Integer
    Clicks = 0
    Do While CheckBox(AttachName).Checked <> State And Clicks < 2
        CheckBox(AttachName).Click
        Clicks = Clicks + 1
    Loop
    UserCheck "SetCheckBoxState " & AttachName, CheckBox(AttachName).Checked = State, _
        "State " & State & " wanted"
End Sub

' Checks or unchecks the menu item at a menu path ("File~Options~Autosave"). Selecting a
' checkable menu item toggles it, so it is selected only when its state differs.
Public Sub SetMenuItemCheckByPath(ByVal MenuPath As String, ByVal Checked As Boolean)
    If Window.MenuItemChecked(MenuPath) <> Checked Then
        Window.MenuSelect MenuPath
    End If
End Sub

' The same for the menu item with a command id.
Public Sub SetMenuItemCheckByID(ByVal MenuID As Long, ByVal Checked As Boolean)
    If Window.MenuItemChecked(MenuID) <> Checked Then
        Window.MenuSelect MenuID
    End If
End Sub

' Waits until the window is enabled, at most Milliseconds; a window that stays disabled fails
' the check.
Public Sub WaitForEnabled(ByVal AttachName As String, ByVal Milliseconds As Long)
    Dim Waited As Long
    Waited = 0
    Do While Not IsEnabled(AttachName) And Waited < Milliseconds
        Pause KAVRO_POLL_INTERVAL, tpPauseMilliSeconds
        Waited = Waited + KAVRO_POLL_INTERVAL
    Loop
    UserCheck "WaitForEnabled " & AttachName, IsEnabled(AttachName), _
        "Waited " & Waited & " ms"
End Sub

' Waits until the window shows the text, at most Milliseconds; a window that shows another text
' fails the check.
Public Sub WaitForText(ByVal AttachName As String, ByVal Text As String, ByVal Milliseconds As Long)
    Dim Waited As Long
    Waited = 0
    Do While ShownText(AttachName) <> Text And Waited < Milliseconds
        Pause KAVRO_POLL_INTERVAL, tpPauseMilliSeconds
        Waited = Waited + KAVRO_POLL_INTERVAL
    Loop
    UserCheck "WaitForText " & AttachName, ShownText(AttachName) = Text, _
        "Expected '" & Text & "', found '" & ShownText(AttachName) & "'"
End Sub

' Writes the result of a check into the script's log; the script goes on after a failed check.
Public Sub UserCheck(ByVal CheckName As String, ByVal Passed As Boolean, ByVal Comment As String)
    If Passed Then
        LogEvent "PASSED: " & CheckName & " " & Comment
    Else
        LogEvent "FAILED: " & CheckName & " " & Comment
    End If
End Sub

' Whether the window exists now and is enabled.
Private Function IsEnabled(ByVal AttachName As String) As Boolean
    IsEnabled = False
    If GUIObject(AttachName, tpAttachNoWait).Exists Then
        IsEnabled = GUIObject(AttachName, tpAttachNoWait).Enabled
    End If
End Function

' The text the window shows now; empty while it does not exist.
Private Function ShownText(ByVal AttachName As String) As String
    ShownText = ""
    If GUIObject(AttachName, tpAttachNoWait).Exists Then
        ShownText = GUIObject(AttachName, tpAttachNoWait).Caption
    End If
End Function
