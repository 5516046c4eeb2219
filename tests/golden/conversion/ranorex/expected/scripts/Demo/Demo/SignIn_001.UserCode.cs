using System;
using System.Collections.Generic;
using System.Text;
using System.Text.RegularExpressions;
using System.Drawing;
using System.Threading;
using WinForms = System.Windows.Forms;
using Ranorex;
using Ranorex.Core;
using Ranorex.Core.Testing;

namespace Demo
{
	public partial class CSignIn_001
	{
		/// <summary>
		/// Called when the recording starts, before its first item.
		/// </summary>
		private void Init()
		{
		}

		public void UserMethod_1()
		{
			Report.Info("signed in");
			Delay.Seconds(1);
		}


		/// The element at the RanoreXPath, as the adapter that the method uses.
		private static T Find<T>(string path) where T : Adapter
		{
			return Host.Local.FindSingle<T>(path, 30000);
		}

		/// The place from 0 of an entry given by its number from 1 or "last".
		private static int EntryNumber(string entry, int count)
		{
			if (string.Equals(entry, "last", StringComparison.OrdinalIgnoreCase))
				return count - 1;
			return int.Parse(entry) - 1;
		}

		/// An entry given by its text, its number from 1 or "last".
		private static T FindEntry<T>(IList<T> entries, string entry, Func<T, string> textOf)
		{
			foreach (T candidate in entries)
			{
				if (textOf(candidate) == entry)
					return candidate;
			}
			return entries[EntryNumber(entry, entries.Count)];
		}

		private static void ClickAs(Adapter element, string click)
		{
			if (click == "DoubleClick")
				element.DoubleClick();
			else
				element.Click();
		}

		private static WinForms.MouseButtons MouseButtonOf(string button)
		{
			return button == "Right" ? WinForms.MouseButtons.Right : WinForms.MouseButtons.Left;
		}

		/// Toggles the check box of an element until it shows the state "true" or "false".
		private static void SetChecked(Element element, string value)
		{
			string state = Convert.ToString(element.GetAttributeValue("Checked"));
			if (!string.Equals(state, value, StringComparison.OrdinalIgnoreCase))
				Keyboard.Press(" ");
		}

	}
}
