[ ] // ------------------------------------------------------------------------------
[ ] // ------------------------------------------------------------------------------
[ ] // Scriptname:   TP_Search.t
[ ] // ------------------------------------------------------------------------------
[ ] // generated for project:   Demo
[ ] // ------------------------------------------------------------------------------

[ ] use "..\Includes\Incl.inc" // global include
[ ] 
[ ] // ------------------------------------------------------------------------------
[-] testcase Search_001 ()
	[ ] // Type: Graph Coverage (Error Case)
	[ ] Main.Find.SetText("a ""b""")
	[ ] WaitForObjectProperty(Main.Go, 2.500, "Text", "Go")
	[ ] Sleep(0.250)
	[ ] Main.Go.Click(2, 1, 1)
	[ ] Main.Folders.Select("Docs/2024?05")
	[ ] Main.Results.Select(Main.Results.GetItemCount())
	[ ] Main.Maximize()

