' A control made with CreateObject keeps no list until the script gives it a key:
' then it loads the list saved under that key and saves there when it goes. Prints
' one line per check and quits with 1 when any check fails. run_script_test.sh puts
' script_checks.vbs before it.
Const kLists = "HKCU\Software\VB and VBA Program Settings\Zelvane\Lists\"
Const kKey = "Script list"
Const kOtherKey = "Script list, other"

Dim shell
Set shell = CreateObject("WScript.Shell")

' What is saved under a key, or "(none)".
Function Saved(key)
  On Error Resume Next
  Saved = shell.RegRead(kLists & key)
  If Err.Number <> 0 Then Saved = "(none)"
  Err.Clear
End Function

Sub Forget(key)
  On Error Resume Next
  shell.RegDelete kLists & key
  Err.Clear
End Sub

Forget kKey
Forget kOtherKey
shell.RegWrite kLists & kKey, "Bergen" & vbCrLf & "Oslo", "REG_SZ"

Dim first, second
Set first = CreateObject("ZelvaneTextBox.Zelvane")
first.AddItem "typed before"
first.RegKey = kKey
Check "setting RegKey loads its list", Items(first), "Bergen,Oslo"
first.AddItem "Tromso"
Set first = Nothing
Check "the list is saved when the control goes", Saved(kKey), "Tromso" & vbCrLf & "Bergen" & vbCrLf & "Oslo"

Set second = CreateObject("ZelvaneTextBox.Zelvane")
Check "a new control has no list", second.ListCount, 0
second.RegKey = kKey
Check "a second control reads it back", Items(second), "Tromso,Bergen,Oslo"
second.RemoveItem 1
second.RegKey = kOtherKey
Check "the key left keeps what was done to its list", Saved(kKey), "Tromso" & vbCrLf & "Oslo"
Check "nothing saved under the new key yet", second.ListCount, 0
second.AutoSaveList = False
second.AddItem "not saved"
Set second = Nothing
Check "AutoSaveList False saves nothing", Saved(kOtherKey), "(none)"

Forget kKey
Forget kOtherKey
Finish
