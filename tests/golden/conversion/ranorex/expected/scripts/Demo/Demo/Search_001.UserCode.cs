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
	public partial class CSearch_001
	{
		/// <summary>
		/// Called when the recording starts, before its first item.
		/// </summary>
		private void Init()
		{
		}

		/// Waits until an element is enabled, at most the time-out in milliseconds.
		public void WaitEnabled(string path, string timeout, string value)
		{
			WaitForValue(path, timeout, "Enabled", "True");
		}

		/// Waits until an attribute of an element has the value; fails after the time-out in milliseconds.
		public void WaitForValue(string path, string timeout, string attribute, string value)
		{
			DateTime end = DateTime.Now.AddMilliseconds(int.Parse(timeout));
			while (true)
			{
				Element element;
				if (Host.Local.TryFindSingle(path, out element) && Convert.ToString(element.GetAttributeValue(attribute)) == value)
					return;
				if (DateTime.Now > end)
					throw new RanorexException("Timeout when waiting for attribute " + attribute + " of " + path);
				Delay.Milliseconds(100);
			}
		}

		/// Selects an entry of a list: its text, its number from 1 or "last".
		public void SelectListItem(string path, string param, string click)
		{
			ListItem item = FindEntry(Find<List>(path).Items, param, entry => entry.Text);
			item.EnsureVisible();
			ClickAs(item, click);
		}

		/// Validates the text of a cell of a table: row and column from 1.
		public void ValidateTableValue(string path, string param1, string param2, string param3)
		{
			ClickTableCell(path, param1, param2, "Left", "Click");
			Table table = Find<Table>(path);
			Cell cell = table.Rows[EntryNumber(param1, table.Rows.Count)].Cells[int.Parse(param2) - 1];
			Validate.AreEqual(cell.Text, param3);
		}

		/// Clicks a cell of a table: row and column from 1, the mouse button, "Click" or "DoubleClick".
		public void ClickTableCell(string path, string param1, string param2, string param3, string param4)
		{
			SelectRow(path, param1, "Click");
			Cell cell = Find<Table>(path).Rows[EntryNumber(param1, Find<Table>(path).Rows.Count)].Cells[int.Parse(param2) - 1];
			if (param4 == "DoubleClick")
				cell.DoubleClick(MouseButtonOf(param3));
			else
				cell.Click(MouseButtonOf(param3));
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
