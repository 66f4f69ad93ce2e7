"""import korbit, as a Python program uses it from the installed package.

Run with the package on PYTHONPATH: python3 -m unittest test_korbit
"""

import datetime
import inspect
import os
import shutil
import tempfile
import unittest

import korbit


class TheIssueSnippet(unittest.TestCase):
    SNIPPET = """\
import korbit, datetime
c = korbit.Control()
assert c.GetFileExt("a.TXT") == "txt"
ok, created, accessed, modified = c.GetFileTimes("/etc/hostname")   # the arguments it writes follow the result
assert ok and isinstance(modified, datetime.datetime)
assert c.ConvertHexDecBinary("255", korbit.MathTypes.Math_Decimal, korbit.MathTypes.Math_Hexidecimal) == ("FF", "FF")
assert korbit.SHA256().SHA256("abc").startswith("ba7816bf")
"""

    def test_runs_as_written(self):
        self.assertTrue(__debug__, "asserts are off")
        exec(compile(self.SNIPPET, "snippet", "exec"), {})


class Calls(unittest.TestCase):
    def setUp(self):
        self.c = korbit.Control()
        self.folder = tempfile.mkdtemp(prefix="korbit-python-")
        self.addCleanup(shutil.rmtree, self.folder)

    def test_arguments_by_keyword_and_given_back_ones_left_out(self):
        c = self.c
        self.assertEqual(c.ConvertHexDecBinary(ConvertTo=korbit.MathTypes.Math_Decimal, MyNumber="11111111",
                                               ConvertFrom=korbit.MathTypes.Math_Binary), ("255", "255"))
        self.assertEqual(c.RoundNum(2.345), c.RoundNum(2.345, DecimalPlace=2))
        parameters = inspect.signature(korbit.Control.GetFileTimes).parameters
        self.assertEqual(list(parameters), ["self", "file_name", "creation_date", "access_date", "modified_date",
                                            "local_time"])
        self.assertIs(parameters["creation_date"].default, None)
        self.assertIs(parameters["file_name"].default, inspect.Parameter.empty)
        with self.assertRaises(TypeError):
            c.GetFileExt()

    def test_values_of_each_kind(self):
        c = self.c
        cases = [
            (c.IsLeapYear, (2024,), True),
            (c.DaysInMonth, (datetime.date(2024, 2, 10),), 29),
            (c.DaysInMonth, (datetime.datetime(2023, 2, 10, 23, 59),), 28),
            (c.KilogramsToPounds, (0.5,), 1.1023),
            (c.IsFileInUseQ, (os.path.join(self.folder, "none"),), korbit.IsFileResults.FILE_DOESNT_EXIST),
            (c.TrimNull, ("ab\0cd",), "ab"),
            (c.CutFilePath, (b"/tmp/caf\xe9.txt",), "caf\udce9.txt"),
            (c.CutFilePath, ("/tmp/caf\udce9.txt",), "caf\udce9.txt"),
            (c.GetFileExt, (korbit.Array(["x"]),), None),
        ]
        for method, arguments, expected in cases[:-1]:
            with self.subTest(method=method.__name__, arguments=arguments):
                got = method(*arguments)
                self.assertEqual(got, expected)
                self.assertIs(type(got), type(expected))
        self.assertEqual(os.fsencode(c.CutFilePath(b"/tmp/caf\xe9.txt")), b"caf\xe9.txt")
        with self.assertRaises(korbit.Error) as raised:
            c.GetFileExt(korbit.Array(["x"]))
        self.assertEqual(raised.exception.number, 13)

    def test_records_and_arrays(self):
        for name in ("a.txt", "b.txt", "c.dat"):
            open(os.path.join(self.folder, name), "w").close()
        none, files, found = self.c.SearchForFiles(
            self.folder, FP=korbit.FILE_PARAMS(bRecursive=True, bExclusiveSpecExt=1, sExclusiveExtensions="*.txt"))
        self.assertIsNone(none)
        self.assertEqual(sorted(os.path.basename(f) for f in files), ["a.txt", "b.txt"])
        self.assertEqual(files.lower, (0,))
        self.assertIsInstance(found, korbit.FILE_PARAMS)
        self.assertEqual((found.nCount, found.bRecursive, found.sExclusiveExtensions), (2, True, "*.txt"))

        # Two dimensions, the bounds, Null and error values survive the round trip.
        data = korbit.ARRAY_PARAMS(sMyArray=[["a", 1], [korbit.Null, 2], ["c", korbit.ErrorValue(7)]],
                                   nRecordCount=3, nSecDimension=1)
        ok, reversed_ = self.c.ArrayReverseTwoDim(data)
        self.assertTrue(ok)
        self.assertEqual(reversed_.sMyArray, [["c", 7], [korbit.Null, 2], ["a", 1]])
        self.assertIs(type(reversed_.sMyArray[0][1]), korbit.ErrorValue)
        self.assertEqual(reversed_.sMyArray.lower, (0, 0))
        self.assertEqual(self.c.ArrayReverseTwoDim(reversed_)[1].sMyArray, data.sMyArray)

    def test_dates_as_the_control_counts_them(self):
        from korbit import _values
        cases = [
            (datetime.datetime(1899, 12, 30), 0.0),
            (datetime.datetime(1900, 1, 1, 18), 2.75),
            (datetime.datetime(1899, 12, 29, 6), -1.25),
            (datetime.datetime(1899, 12, 28, 18), -2.75),
            (datetime.datetime(2024, 2, 29, 12, 30), 45351.520833333336),
        ]
        for moment, days in cases:
            with self.subTest(moment=moment):
                self.assertAlmostEqual(_values.days_from_date(moment), days)
                self.assertEqual(_values.date_from_days(days), moment)
        aware = datetime.datetime(2024, 6, 1, 12, tzinfo=datetime.timezone.utc)
        self.assertAlmostEqual(_values.days_from_date(aware),
                               _values.days_from_date(aware.astimezone().replace(tzinfo=None)))

    def test_failures_raise_korbit_error(self):
        with self.assertRaises(korbit.Error) as raised:
            self.c.IsLeapYear("not a year")
        error = raised.exception
        self.assertEqual((error.code, error.number, error.argument, error.description),
                         (-2147352571, 13, 0, "Type mismatch"))
        self.assertEqual(error.method, "IsLeapYear")

        # A failure the method reports through its host, with no result to say it.
        missing = os.path.join(self.folder, "missing", "settings.ini")
        with self.assertRaises(korbit.Error) as raised:
            self.c.ProfileSaveItem("Section", "Key", "Value", missing)
        self.assertEqual(raised.exception.code, -2147220991)
        self.assertEqual(raised.exception.failures[0][0], "ProfileSaveItem")
        self.assertIn(os.path.join(self.folder, "missing"), raised.exception.description)

    def test_message_boxes_go_to_the_callback(self):
        kept = os.path.join(self.folder, "kept.txt")
        open(kept, "w").close()
        self.assertFalse(self.c.DeleteFileOrFolderToBin(kept))  # asked, and answered No by default
        self.assertTrue(os.path.exists(kept))

        boxes = []

        def answer(text, style, title):
            boxes.append((title, style, text, self.c.GetFileExt("nested.TXT")))
            return 7  # No

        self.c.message_box = answer
        self.assertFalse(self.c.DeleteFileOrFolderToBin(kept))
        self.assertEqual(boxes, [("Delete File", 36, f'Are you sure you want to move "{kept}" to the trash?', "txt")])
        self.assertTrue(os.path.exists(kept))

        def broken(text, style, title):
            raise KeyError("from the callback")

        self.c.message_box = broken
        with self.assertRaises(KeyError):
            self.c.DeleteFileOrFolderToBin(kept)
        self.assertTrue(os.path.exists(kept))
        self.assertEqual(self.c.GetFileExt("a.b"), "b")

    def test_the_event_pump_runs_during_an_encryption_and_may_cancel_it(self):
        name = os.path.join(self.folder, "long.bin")
        content = b"k" * 256 * 1024
        with open(name, "wb") as f:
            f.write(content)
        pumped = []
        self.c.pump_events = lambda: pumped.append(self.c.CancelOps())
        self.assertFalse(self.c.EncryptionRoutine2(name, "a password"))
        self.assertEqual(len(pumped), 1)
        with open(name, "rb") as f:
            self.assertEqual(f.read(), content)

    def test_the_published_classes(self):
        number = korbit.BinHexDecCls()
        number.DeciNum = 255
        self.assertEqual((number.HexNum, number.BinNum, number.DeciNum), ("FF", "11111111", 255))
        with korbit.SHA256() as sha:
            self.assertEqual(sha.SHA256(sMessage=""),
                             "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855")
        with self.assertRaises(korbit.Error):
            sha.SHA256("closed")

    def test_the_type_library(self):
        self.assertEqual(int(korbit.MyMeasureUnits.eLiter), 13)
        self.assertEqual([f for f in korbit.BACKUP_FILE_PARAMS.__dataclass_fields__][:3],
                         ["StrArray", "SourceFolder", "TargetFolder"])
        self.assertIn("GetFileExt", dir(korbit.Control))
        self.assertIn("given back", korbit.Control.GetFileTimes.__doc__)


if __name__ == "__main__":
    unittest.main()
