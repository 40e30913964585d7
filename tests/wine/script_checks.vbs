' The checks every script test uses; run_script_test.sh puts this file before the
' test's own script, as VBScript has no include.
Option Explicit

Dim passed, failed
passed = 0
failed = 0

Sub Check(name, actual, expected)
  If CStr(actual) = CStr(expected) Then
    passed = passed + 1
    WScript.Echo "ok   " & name
  Else
    failed = failed + 1
    WScript.Echo "FAIL " & name & ": got [" & actual & "], expected [" & expected & "]"
  End If
End Sub

' Checks the error the last statement raised, then clears it.
Sub CheckError(name, number, source, description)
  Dim got
  got = Err.Number & "|" & Err.Source & "|" & Err.Description
  Err.Clear
  Check name, got, number & "|" & source & "|" & description
End Sub

Sub CheckErrorNumber(name, number)
  Dim got
  got = Err.Number
  Err.Clear
  Check name, got, number
End Sub

Function Items(z)
  Dim i, s
  s = ""
  For i = 0 To z.ListCount - 1
    If i > 0 Then s = s & ","
    s = s & z.List(i)
  Next
  Items = s
End Function

' The summary run_script_test.sh looks for, and the exit code.
Sub Finish()
  WScript.Echo passed & " passed, " & failed & " failed"
  If failed > 0 Then WScript.Quit 1
  WScript.Quit 0
End Sub

