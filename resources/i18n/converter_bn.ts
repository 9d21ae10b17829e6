<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>converter</name>
    <message id="converter.tabTitle"><source>Converter</source><translation>রূপান্তর</translation></message>
    <message id="converter.todayCaption"><source>Today</source><translation>আজ</translation></message>
    <message id="converter.segmentGregorian"><source>Gregorian</source><translation>খ্রিস্টীয়</translation></message>
    <message id="converter.segmentHijri"><source>Hijri</source><translation>হিজরি</translation></message>
    <message id="converter.pickCaption"><source>Pick a date</source><translation>একটি তারিখ বেছে নিন</translation></message>
    <message id="converter.estimate"><source>Estimate: outside the Umm al-Qura table</source><translation>আনুমানিক: উম্মুল কুরা সারণির বাইরে</translation></message>
    <message id="converter.estimateHint"><source>The Umm al-Qura table covers 1300 to 1600 AH; other Hijri dates are reckoned by arithmetic and may differ by a day or two.</source><translation>উম্মুল কুরা সারণি ১৩০০ থেকে ১৬০০ হিজরি পর্যন্ত; অন্য হিজরি তারিখ গাণিতিকভাবে হিসাব করা হয় এবং এক-দুই দিন এদিক-ওদিক হতে পারে।</translation></message>
    <message id="converter.resultCaption"><source>The same day</source><translation>একই দিন</translation></message>
    <message id="converter.todayButton"><source>Today</source><translation>আজ</translation></message>
    <message id="converter.changeWallpaper"><source>Change wallpaper</source><translation>ওয়ালপেপার বদলান</translation></message>
    <message id="converter.adjustmentTip"><source>Hijri adjustment</source><translation>হিজরি তারিখ সমন্বয়</translation></message>
    <message id="converter.typedDate"><source>Date to convert (%1)</source><translation>রূপান্তরের তারিখ (%1)</translation></message>
    <message id="converter.typedDateInvalid"><source>Not a date of this calendar; type day, month and year in this order, then Enter.</source><translation>এই ক্যালেন্ডারের তারিখ নয়; দিন, মাস ও বছর এই ক্রমে লিখে Enter চাপুন।</translation></message>
    <message id="converter.a11y.days" numerus="yes"><source>%n days</source><translation><numerusform>%1 দিন</numerusform><numerusform>%1 দিন</numerusform></translation></message>
    <message id="datepicker.day"><source>Day</source><translation>দিন</translation></message>
    <message id="datepicker.month"><source>Month</source><translation>মাস</translation></message>
    <message id="datepicker.year"><source>Year</source><translation>বছর</translation></message>
    <message id="converter.swipeHint"><source>Drag sideways or use the arrow keys to move a day</source><translation>এক দিন সরাতে পাশে টানুন বা তীর কী ব্যবহার করুন</translation></message>
    <message id="adjmsg1"><source>Hijri dates are shifted by</source><translation>হিজরি তারিখগুলো</translation></message>
    <message id="adjmsg2"><source>to match the sighting of the new moon where you live. You can change this in Settings.</source><translation>সরানো হয়েছে, যাতে আপনার এলাকায় নতুন চাঁদ দেখার সঙ্গে মেলে। আপনি সেটিংসে এটি বদলাতে পারেন।</translation></message>
    <message id="day"><source>day</source><translation>দিন</translation></message>
    <message id="days2"><source>days</source><translation>দিন</translation></message>
    <message id="goSettings"><source>Settings</source><translation>সেটিংস</translation></message>
    <message id="cancel"><source>Cancel</source><translation>বাতিল</translation></message>
    <message id="reset"><source>Reset to 0</source><translation>০-তে ফেরান</translation></message>
</context>
</TS>
