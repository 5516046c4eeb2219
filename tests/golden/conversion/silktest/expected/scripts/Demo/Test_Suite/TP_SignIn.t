[ ] // ------------------------------------------------------------------------------
[ ] // ------------------------------------------------------------------------------
[ ] // Scriptname:   TP_SignIn.t
[ ] // ------------------------------------------------------------------------------
[ ] // generated for project:   Demo
[ ] // ------------------------------------------------------------------------------

[ ] use "..\Includes\Incl.inc" // global include
[ ] 
[ ] // ------------------------------------------------------------------------------
[-] testcase SignIn_001 ()
	[ ] // Type: Graph Coverage (Normal Case)
	[ ] Main.FileOpen.Pick()  // Opens the log-in dialog
	[ ] Login.UserName.SetText("ann")  // Type the user's name as registered
	[ ] Sleep(1.500)
	[ ] Login.UserName.TypeKeys("<Ctrl><a><Delete>")
	[ ] Login.Remember.Check()  // Größe 5 ?
	[ ] Login.Vehicle.Select("Van")
	[ ] Login.UserName.VerifyValue("ann")
	[ ] // User-defined code
	[ ] Login.OK.Click()
	[ ] Sleep(1)

