' Drives the control from a script client, as CreateObject gives it: no
' container, so it is at run time. Prints one line per check and quits with 1
' when any check fails. run_script_test.sh puts script_checks.vbs before it.
Dim z
Set z = CreateObject("ZelvaneTextBox.Zelvane")

' A new control has the first-placement defaults.
Check "TypeName", TypeName(z), "_Zelvane4"
Check "ListCount new", z.ListCount, 0
Check "MaxCount new", z.MaxCount, 100
Check "SaveOnReturn new", z.SaveOnReturn, True
Check "AutoSaveList new", z.AutoSaveList, True
Check "Enabled new", z.Enabled, True
Check "ShowButton new", z.ShowButton, False
Check "Appearance new", z.Appearance, 1
Check "Text new", z.Text, ""
Check "hWnd is a window", z.hWnd <> 0, True
Check "HwndEditor is a window", z.HwndEditor <> 0, True
Check "HwndList is a window", z.HwndList <> 0, True
Check "AllowRemove new", z.AllowRemove, False
Check "MatchAnywhere new", z.MatchAnywhere, False
Check "FilterDelay new", z.FilterDelay, 150
Check "ListRows new", z.ListRows, 7
Check "CloseOnEscape new", z.CloseOnEscape, False
Check "AccessibleName new", z.AccessibleName, ""
Check "VisualStyles new", z.VisualStyles, False
Check "AutoAppend new", z.AutoAppend, False
Check "HighlightMatch new", z.HighlightMatch, False
Check "RightToLeft new", z.RightToLeft, False

' AddItem: most recent first, no duplicates regardless of case, empty ignored.
z.AddItem "a"
z.AddItem "b"
z.AddItem "c"
Check "AddItem order", Items(z), "c,b,a"
z.AddItem "A"
Check "AddItem moves a duplicate to the front as written", Items(z), "A,c,b"
z.AddItem ""
Check "AddItem ignores the empty string", z.ListCount, 3
Check "List is a string variant", TypeName(z.List(0)), "String"

On Error Resume Next
Dim v
v = z.List(-1)
CheckError "List(-1)", 5010, "Zelvane", "Invalid ListIndex"
v = z.List(3)
CheckError "List(ListCount)", 5010, "Zelvane", "Invalid ListIndex"
On Error GoTo 0

' StringValue: CR LF separated, most recent first; writing it back reverses the list.
Check "StringValue", z.StringValue, "A" & vbCrLf & "c" & vbCrLf & "b"
z.StringValue = z.StringValue
Check "StringValue round trip reverses", Items(z), "b,c,A"
z.StringValue = "a" & vbCrLf & vbCrLf & "b"
Check "StringValue skips empty lines", Items(z), "b,a"
z.StringValue = "x" & vbLf & "y"
Check "a lone LF does not separate", z.ListCount, 1
z.StringValue = ""
Check "StringValue empty empties the list", z.ListCount, 0

On Error Resume Next
v = z.List(0)
CheckError "List(0) on an empty list", 5010, "Zelvane", "Invalid ListIndex"

' MaxCount limits: refused values leave limit and list alone.
z.StringValue = "1" & vbCrLf & "2" & vbCrLf & "3" & vbCrLf & "4" & vbCrLf & "5"
z.MaxCount = 0
CheckError "MaxCount 0", 5030, "Zelvane", "MaxCount must be greater than zero"
z.MaxCount = -1
CheckError "MaxCount -1", 5030, "Zelvane", "MaxCount must be greater than zero"
Check "refused MaxCount keeps the list", z.ListCount, 5
z.MaxCount = 32767
CheckErrorNumber "MaxCount 32767 accepted", 0
Check "MaxCount 32767", z.MaxCount, 32767
z.MaxCount = 32768
CheckErrorNumber "MaxCount 32768 overflows", 6
Check "overflowing MaxCount keeps the limit", z.MaxCount, 32767
Check "overflowing MaxCount keeps the list", z.ListCount, 5
On Error GoTo 0
z.MaxCount = 2
Check "MaxCount 2 keeps the two most recent", Items(z), "5,4"
z.ClearList
Check "ClearList empties", z.ListCount, 0
Check "ClearList keeps MaxCount", z.MaxCount, 2
z.MaxCount = 100

' ListFromArray with the arrays a script has: variants, dynamic or fixed.
z.ListFromArray Array("x", "y", "z")
Check "ListFromArray", Items(z), "z,y,x"
z.ListFromArray Array("Foo", "bar", "foo")
Check "ListFromArray case-blind duplicates", Items(z), "foo,bar"
Dim fixed(2)
fixed(0) = "p"
fixed(1) = 7
fixed(2) = "q"
z.ListFromArray fixed
Check "ListFromArray fixed array, numbers as text", Items(z), "q,7,p"
z.ListFromArray Array("", "")
Check "ListFromArray of empty strings", z.ListCount, 0
z.ListFromArray Array("keep")
On Error Resume Next
z.ListFromArray "not an array"
CheckError "ListFromArray with a string", 13, "ZelvaneTextBox", "Type mismatch"
Dim grid(1, 1)
z.ListFromArray grid
CheckErrorNumber "ListFromArray with two dimensions", 13
z.ListFromArray 5
CheckErrorNumber "ListFromArray with a number", 13
On Error GoTo 0
Check "refused ListFromArray keeps the list", Items(z), "keep"

' ListFromCollection with an object that enumerates: a Dictionary yields its keys.
Dim d
Set d = CreateObject("Scripting.Dictionary")
d.Add "one", 1
d.Add "two", 2
d.Add "three", 3
z.ListFromCollection d
Check "ListFromCollection", Items(z), "three,two,one"
On Error Resume Next
z.ListFromCollection CreateObject("ZelvaneTextBox.Zelvane")
CheckErrorNumber "ListFromCollection with an object that does not enumerate", 13
z.ListFromCollection "text"
CheckErrorNumber "ListFromCollection with a string", 13
On Error GoTo 0
Check "refused ListFromCollection keeps the list", Items(z), "three,two,one"

' Text and AddCurrentItem.
z.Text = ""
z.AddCurrentItem
Check "AddCurrentItem with no text", z.ListCount, 3
z.Text = "TWO"
Check "Text round trip", z.Text, "TWO"
z.AddCurrentItem
Check "AddCurrentItem moves the item, written as the text", Items(z), "TWO,three,one"
z.Text = "Hello"
z.SelStart = 1
z.SelLength = 3
Check "SelText", z.SelText, "ell"
z.SelText = "ipp"
Check "SelText replaces", z.Text, "Hippo"

' The other properties.
z.BackColor = &HFF00&
Check "BackColor", z.BackColor, &HFF00&
z.ForeColor = 255
Check "ForeColor", z.ForeColor, 255
z.Appearance = 0
Check "Appearance", z.Appearance, 0
z.ShowButton = True
Check "ShowButton", z.ShowButton, True
z.Enabled = False
Check "Enabled", z.Enabled, False
z.SaveOnReturn = False
Check "SaveOnReturn", z.SaveOnReturn, False
z.AutoSaveList = False
Check "AutoSaveList", z.AutoSaveList, False
Check "Font is a standard font object", TypeName(z.Font), "Font"
z.Font.Bold = True
Check "Font is shared by reference", z.Font.Bold, True

' The options, with their bounds: refused values change nothing.
z.AllowRemove = True
Check "AllowRemove", z.AllowRemove, True
z.MatchAnywhere = True
Check "MatchAnywhere", z.MatchAnywhere, True
z.CloseOnEscape = True
Check "CloseOnEscape", z.CloseOnEscape, True
z.FilterDelay = 0
Check "FilterDelay 0", z.FilterDelay, 0
z.FilterDelay = 10000
Check "FilterDelay 10000", z.FilterDelay, 10000
z.ListRows = 1
Check "ListRows 1", z.ListRows, 1
z.ListRows = 100
Check "ListRows 100", z.ListRows, 100
On Error Resume Next
z.FilterDelay = 10001
CheckError "FilterDelay 10001", 380, "ZelvaneTextBox", "Invalid property value"
z.FilterDelay = -1
CheckErrorNumber "FilterDelay -1", 380
Check "refused FilterDelay keeps the delay", z.FilterDelay, 10000
z.ListRows = 0
CheckError "ListRows 0", 380, "ZelvaneTextBox", "Invalid property value"
z.ListRows = 101
CheckErrorNumber "ListRows 101", 380
Check "refused ListRows keeps the rows", z.ListRows, 100
On Error GoTo 0

' RegKey: the key of the saved list; an empty one is refused and changes nothing.
z.RegKey = "Copy of Zelvane1"
Check "RegKey", z.RegKey, "Copy of Zelvane1"
On Error Resume Next
z.RegKey = ""
CheckError "RegKey empty", 380, "ZelvaneTextBox", "Invalid property value"
Check "refused RegKey keeps the key", z.RegKey, "Copy of Zelvane1"
On Error GoTo 0

' RemoveItem: 0 is the most recent; outside the list it raises like List.
z.StringValue = "a" & vbCrLf & "b" & vbCrLf & "c"
z.RemoveItem 0
Check "RemoveItem 0", Items(z), "b,a"
z.RemoveItem 1
Check "RemoveItem last", Items(z), "b"
On Error Resume Next
z.RemoveItem 1
CheckError "RemoveItem(ListCount)", 5010, "Zelvane", "Invalid ListIndex"
z.RemoveItem -1
CheckError "RemoveItem(-1)", 5010, "Zelvane", "Invalid ListIndex"
On Error GoTo 0
Check "refused RemoveItem keeps the list", Items(z), "b"

Finish
