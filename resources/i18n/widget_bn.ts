<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>widget</name>
    <message id="Qamarly Widget"><source>Qamarly Widget</source><translation>Qamarly উইজেট</translation></message>
    <message id="This widget will display today&apos;s Hijri date"><source>This widget will display today&apos;s Hijri date</source><translation>এই উইজেট আজকের হিজরি তারিখ দেখাবে</translation></message>
    <message id="This widget will display both Hijri and Gregorian dates"><source>This widget will display both Hijri and Gregorian dates</source><translation>এই উইজেট হিজরি ও খ্রিস্টীয় দুই তারিখই দেখাবে</translation></message>
    <message id="Not supported"><source>Not supported</source><translation>সমর্থিত নয়</translation></message>
    <message id="widget.monthYear"><source>%1, %2</source><translation>%1, %2</translation></message>
    <message id="widget.close"><source>Close</source><translation>বন্ধ করুন</translation></message>
    <message id="widget.menu.simpleSmall"><source>Hijri date, small</source><translation>হিজরি তারিখ, ছোট</translation></message>
    <message id="widget.menu.simpleMedium"><source>Hijri date, medium</source><translation>হিজরি তারিখ, মাঝারি</translation></message>
    <message id="widget.menu.complexMedium"><source>Hijri and Gregorian dates, medium</source><translation>হিজরি ও খ্রিস্টীয় তারিখ, মাঝারি</translation></message>
    <message id="widget.menu.open"><source>Open Qamarly</source><translation>Qamarly খুলুন</translation></message>
    <message id="widget.error.unexpected"><source>unexpected argument &apos;%1&apos;</source><translation>অপ্রত্যাশিত আর্গুমেন্ট &apos;%1&apos;</translation></message>
    <message id="widget.error.needsValue"><source>%1 needs a value</source><translation>%1-এর একটি মান প্রয়োজন</translation></message>
    <message id="widget.error.unknownOption"><source>unknown option &apos;%1&apos; (see --help)</source><translation>অজানা বিকল্প &apos;%1&apos; (দেখুন --help)</translation></message>
    <message id="widget.error.kind"><source>unknown widget kind &apos;%1&apos; (use simple or complex)</source><translation>অজানা উইজেটের ধরন &apos;%1&apos; (simple বা complex লিখুন)</translation></message>
    <message id="widget.error.family"><source>unknown widget family &apos;%1&apos; (use small or medium)</source><translation>অজানা উইজেটের আকার &apos;%1&apos; (small বা medium লিখুন)</translation></message>
    <message id="widget.error.unsupportedFamily"><source>the %1 widget does not come in the %2 family (only %3)</source><translation>%1 উইজেট %2 আকারে পাওয়া যায় না (শুধু %3)</translation></message>
    <message id="widget.error.appearance"><source>unknown appearance &apos;%1&apos; (use light or dark)</source><translation>অজানা চেহারা &apos;%1&apos; (light বা dark লিখুন)</translation></message>
    <message id="widget.error.noOutput"><source>say where to write the picture with -o FILE.png</source><translation>ছবিটি কোথায় লেখা হবে তা -o FILE.png দিয়ে বলুন</translation></message>
    <message id="widget.error.notPng"><source>&apos;%1&apos; does not end in .png; the picture is written as PNG</source><translation>&apos;%1&apos;-এর শেষে .png নেই; ছবিটি PNG হিসেবে লেখা হয়</translation></message>
    <message id="widget.error.instant"><source>&apos;%1&apos; is not an ISO 8601 instant (e.g. 2026-12-05T09:30:00+03:00)</source><translation>&apos;%1&apos; কোনো ISO 8601 সময় নয় (যেমন 2026-12-05T09:30:00+03:00)</translation></message>
    <message id="widget.error.write"><source>could not write %1</source><translation>%1 লেখা যায়নি</translation></message>
    <message id="widget.error.noDisplay"><source>no display to show the widget on (render one with: qamarly-widget render -o FILE.png)</source><translation>উইজেট দেখানোর মতো কোনো ডিসপ্লে নেই (ছবি হিসেবে তৈরি করুন: qamarly-widget render -o FILE.png)</translation></message>
    <message id="widget.help.usage"><source>usage:</source><translation>ব্যবহার:</translation></message>
    <message id="widget.help.host"><source>shows the widget on the desktop</source><translation>ডেস্কটপে উইজেট দেখায়</translation></message>
    <message id="widget.help.timeline"><source>prints the thirty entries of the timeline built at that instant (default: now)</source><translation>সেই মুহূর্তে তৈরি টাইমলাইনের ত্রিশটি এন্ট্রি দেখায় (সাধারণত: এখন)</translation></message>
    <message id="widget.help.render"><source>draws the entry in force at that instant (default: now) into a PNG</source><translation>সেই মুহূর্তে কার্যকর এন্ট্রিটি একটি PNG-তে আঁকে (সাধারণত: এখন)</translation></message>
    <message id="widget.error.position"><source>--at wants a position X,Y</source><translation>--at-এর জন্য একটি অবস্থান X,Y প্রয়োজন</translation></message>
    <message id="widget.error.scale"><source>--scale wants a number from 0.25 to 8</source><translation>--scale-এর জন্য 0.25 থেকে 8 পর্যন্ত একটি সংখ্যা প্রয়োজন</translation></message>
</context>
</TS>
