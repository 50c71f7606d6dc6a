#include "demo_catalog.h"

namespace tools::demo {

const Company& company()
{
    static const Company c{
        QStringLiteral("บริษัท ไทยรุ่งเรือง เทรดดิ้ง จำกัด (สำนักงานใหญ่)"),
        QStringLiteral("88/8 อาคารรุ่งเรือง ชั้น 5 ถนนสุขุมวิท แขวงคลองเตยเหนือ เขตวัฒนา กรุงเทพมหานคร 10110 "
                       "โทร. 02-258-8808"),
        QStringLiteral("sales@thairungruang.co.th"),
        QStringLiteral("อุปกรณ์สำนักงาน อาหาร และไอที ครบในที่เดียว ส่งฟรีในเขตกรุงเทพฯ เมื่อซื้อครบ 3,000 บาท"),
        QStringLiteral("ภาษีมูลค่าเพิ่ม (VAT)"),
        QStringLiteral("ใบเสร็จรับเงิน/ใบกำกับภาษี Receipt/Tax Invoice"),
        QStringLiteral("TH Sarabun New"),
    };
    return c;
}

const QList<Town>& towns()
{
    static const QList<Town> list{
        {QStringLiteral("ถนนสุขุมวิท แขวงคลองเตยเหนือ เขตวัฒนา กรุงเทพมหานคร 10110"),
         QStringLiteral("Sukhumvit Road, Khlong Toei Nuea, Watthana, Bangkok 10110"), QStringLiteral("02")},
        {QStringLiteral("ถนนสีลม แขวงสุริยวงศ์ เขตบางรัก กรุงเทพมหานคร 10500"),
         QStringLiteral("Silom Road, Suriyawong, Bang Rak, Bangkok 10500"), QStringLiteral("02")},
        {QStringLiteral("ถนนรัชดาภิเษก แขวงดินแดง เขตดินแดง กรุงเทพมหานคร 10400"),
         QStringLiteral("Ratchadaphisek Road, Din Daeng, Bangkok 10400"), QStringLiteral("02")},
        {QStringLiteral("ถนนพหลโยธิน แขวงจตุจักร เขตจตุจักร กรุงเทพมหานคร 10900"),
         QStringLiteral("Phahonyothin Road, Chatuchak, Bangkok 10900"), QStringLiteral("02")},
        {QStringLiteral("ถนนนิมมานเหมินท์ ตำบลสุเทพ อำเภอเมืองเชียงใหม่ จังหวัดเชียงใหม่ 50200"),
         QStringLiteral("Nimmanhaemin Road, Suthep, Mueang Chiang Mai, Chiang Mai 50200"),
         QStringLiteral("053")},
        {QStringLiteral("ถนนเทพกระษัตรี ตำบลรัษฎา อำเภอเมืองภูเก็ต จังหวัดภูเก็ต 83000"),
         QStringLiteral("Thep Krasattri Road, Ratsada, Mueang Phuket, Phuket 83000"), QStringLiteral("076")},
        {QStringLiteral("ถนนมิตรภาพ ตำบลในเมือง อำเภอเมืองขอนแก่น จังหวัดขอนแก่น 40000"),
         QStringLiteral("Mittraphap Road, Nai Mueang, Mueang Khon Kaen, Khon Kaen 40000"),
         QStringLiteral("043")},
        {QStringLiteral("ถนนพัทยาสาย 2 ตำบลหนองปรือ อำเภอบางละมุง จังหวัดชลบุรี 20150"),
         QStringLiteral("Pattaya Second Road, Nong Prue, Bang Lamung, Chon Buri 20150"),
         QStringLiteral("038")},
        {QStringLiteral("ถนนงามวงศ์วาน ตำบลบางกระสอ อำเภอเมืองนนทบุรี จังหวัดนนทบุรี 11000"),
         QStringLiteral("Ngamwongwan Road, Bang Kraso, Mueang Nonthaburi, Nonthaburi 11000"),
         QStringLiteral("02")},
        {QStringLiteral("ถนนเพชรเกษม ตำบลหาดใหญ่ อำเภอหาดใหญ่ จังหวัดสงขลา 90110"),
         QStringLiteral("Phetkasem Road, Hat Yai, Songkhla 90110"), QStringLiteral("074")},
        {QStringLiteral("ถนนสุรนารี ตำบลในเมือง อำเภอเมืองนครราชสีมา จังหวัดนครราชสีมา 30000"),
         QStringLiteral("Suranari Road, Nai Mueang, Mueang Nakhon Ratchasima, Nakhon Ratchasima 30000"),
         QStringLiteral("044")},
        {QStringLiteral("ถนนโรจนะ ตำบลประตูชัย อำเภอพระนครศรีอยุธยา จังหวัดพระนครศรีอยุธยา 13000"),
         QStringLiteral("Rojana Road, Pratu Chai, Phra Nakhon Si Ayutthaya, Ayutthaya 13000"),
         QStringLiteral("035")},
        {QStringLiteral("ถนนอ่าวนาง ตำบลอ่าวนาง อำเภอเมืองกระบี่ จังหวัดกระบี่ 81000"),
         QStringLiteral("Ao Nang Road, Ao Nang, Mueang Krabi, Krabi 81000"), QStringLiteral("075")},
        {QStringLiteral("ถนนเพชรเกษม ตำบลหัวหิน อำเภอหัวหิน จังหวัดประจวบคีรีขันธ์ 77110"),
         QStringLiteral("Phetkasem Road, Hua Hin, Prachuap Khiri Khan 77110"), QStringLiteral("032")},
    };
    return list;
}

// Town indices: 0-3 Bangkok, 4 Chiang Mai, 5 Phuket, 6 Khon Kaen, 7 Pattaya, 8 Nonthaburi,
// 9 Hat Yai, 10 Korat, 11 Ayutthaya, 12 Krabi, 13 Hua Hin.
const QList<CustomerEntry>& customers()
{
    static const QList<CustomerEntry> list{
        {QStringLiteral("บริษัท สยามพัฒนา เทรดดิ้ง จำกัด"), QStringLiteral("siampattana.co.th"), 0, true},
        {QStringLiteral("Siam Office Solutions Co., Ltd."), QStringLiteral("siamoffice.co.th"), 1, false},
        {QStringLiteral("บริษัท เชียงใหม่ออฟฟิศ ซัพพลาย จำกัด"), QStringLiteral("cmofficesupply.com"), 4, true},
        {QStringLiteral("Lanna Craft Export Co., Ltd."), QStringLiteral("lannacraft.com"), 4, false},
        {QStringLiteral("ห้างหุ้นส่วนจำกัด รุ่งเรืองการค้า"), QStringLiteral("rungruangkankha.com"), 2, true},
        {QStringLiteral("Andaman Dive Center Ltd."), QStringLiteral("andamandive.com"), 5, false},
        {QStringLiteral("บริษัท ไทยสมาร์ท อิเล็กทรอนิกส์ จำกัด"), QStringLiteral("thaismart.co.th"), 3, true},
        {QStringLiteral("Bangkok Digital Agency Co., Ltd."), QStringLiteral("bkkdigital.co.th"), 0, false},
        {QStringLiteral("ร้าน ป้าแดง มินิมาร์ท"), QStringLiteral("padaengmart.com"), 8, true},
        {QStringLiteral("Golden Elephant Trading Co., Ltd."), QStringLiteral("goldenelephant.co.th"), 2,
         false},
        {QStringLiteral("บริษัท ภูเก็ต ซีวิว รีสอร์ท จำกัด"), QStringLiteral("phuketseaview.com"), 5, true},
        {QStringLiteral("Riverside Bistro"), QStringLiteral("riversidebistro.co.th"), 1, false},
        {QStringLiteral("บริษัท ขอนแก่นวิศวกรรม จำกัด"), QStringLiteral("kkengineering.co.th"), 6, true},
        {QStringLiteral("Chiang Mai International School"), QStringLiteral("cmis.ac.th"), 4, false},
        {QStringLiteral("ห้างหุ้นส่วนจำกัด ชลบุรีเครื่องเขียน"), QStringLiteral("chonburistationery.com"), 7, true},
        {QStringLiteral("Pattaya Beach Hotel Co., Ltd."), QStringLiteral("pattayabeachhotel.com"), 7, false},
        {QStringLiteral("บริษัท นนทบุรี ฟู้ด แอนด์ เบฟเวอเรจ จำกัด"), QStringLiteral("nonthaburifood.co.th"), 8,
         true},
        {QStringLiteral("Thai Orchid Logistics Co., Ltd."), QStringLiteral("thaiorchidlogistics.com"), 3,
         false},
        {QStringLiteral("โรงเรียนอนุบาลดวงตะวัน"), QStringLiteral("duangtawan.ac.th"), 10, true},
        {QStringLiteral("Northern Coffee Roasters"), QStringLiteral("northerncoffee.co.th"), 4, false},
        {QStringLiteral("บริษัท บางกอก ดีไซน์ สตูดิโอ จำกัด"), QStringLiteral("bkkdesignstudio.com"), 0, true},
        {QStringLiteral("Sathorn Legal Partners Ltd."), QStringLiteral("sathornlegal.co.th"), 1, false},
        {QStringLiteral("คลินิกทันตกรรม ยิ้มสวย"), QStringLiteral("yimsuaydental.com"), 3, true},
        {QStringLiteral("Mekong Machinery Co., Ltd."), QStringLiteral("mekongmachinery.com"), 6, false},
        {QStringLiteral("บริษัท หาดใหญ่ โลจิสติกส์ จำกัด"), QStringLiteral("hatyailogistics.co.th"), 9, true},
        {QStringLiteral("Green Leaf Spa & Wellness"), QStringLiteral("greenleafspa.com"), 13, false},
        {QStringLiteral("ร้าน กาแฟบ้านสวน"), QStringLiteral("baansuancoffee.com"), 4, true},
        {QStringLiteral("Silom Print House Co., Ltd."), QStringLiteral("silomprint.co.th"), 1, false},
        {QStringLiteral("บริษัท อยุธยา แมนูแฟคเจอริ่ง จำกัด"), QStringLiteral("ayutthayamfg.co.th"), 11, true},
        {QStringLiteral("Eastern Seaboard Industrial Supply Co., Ltd."), QStringLiteral("esbsupply.co.th"), 7,
         false},
        {QStringLiteral("บริษัท โคราช คอมพิวเตอร์ จำกัด"), QStringLiteral("koratcomputer.com"), 10, true},
        {QStringLiteral("Blue Lotus Restaurant"), QStringLiteral("bluelotus.co.th"), 0, false},
        {QStringLiteral("สำนักงานบัญชี ศรีสมบูรณ์"), QStringLiteral("srisomboon-account.com"), 8, true},
        {QStringLiteral("Nimman Co-Working Space"), QStringLiteral("nimmancowork.com"), 4, false},
        {QStringLiteral("บริษัท ลำปาง เซรามิค จำกัด"), QStringLiteral("lampangceramic.co.th"), 4, true},
        {QStringLiteral("Krabi Island Tours Co., Ltd."), QStringLiteral("krabiislandtours.com"), 12, false},
        {QStringLiteral("ห้างหุ้นส่วนจำกัด อุดรพาณิชย์"), QStringLiteral("udonpanich.com"), 6, true},
        {QStringLiteral("Ratchada Medical Clinic"), QStringLiteral("ratchadaclinic.com"), 2, false},
        {QStringLiteral("บริษัท รัตนโกสินทร์ โฮเทล จำกัด"), QStringLiteral("rattanakosinhotel.com"), 1, true},
        {QStringLiteral("Asia Pacific Consulting (Thailand) Ltd."), QStringLiteral("apconsulting.co.th"), 0,
         false},
        {QStringLiteral("มูลนิธิ เพื่อการศึกษาไทย"), QStringLiteral("thaiedufoundation.or.th"), 3, true},
        {QStringLiteral("Hua Hin Golf Club"), QStringLiteral("huahingolf.com"), 13, false},
        {QStringLiteral("บริษัท แม่ริม ออร์แกนิค ฟาร์ม จำกัด"), QStringLiteral("maerimorganic.com"), 4, true},
        {QStringLiteral("Phuket Marine Services Co., Ltd."), QStringLiteral("phuketmarine.co.th"), 5, false},
        {QStringLiteral("ร้าน ครัวคุณยาย"), QStringLiteral("kruakhunyai.com"), 9, true},
        {QStringLiteral("Khao Yai Winery Co., Ltd."), QStringLiteral("khaoyaiwinery.com"), 10, false},
        {QStringLiteral("บริษัท สุขุมวิท มีเดีย จำกัด"), QStringLiteral("sukhumvitmedia.co.th"), 0, true},
        {QStringLiteral("Smile Dental Group"), QStringLiteral("smiledentalgroup.co.th"), 2, false},
    };
    return list;
}

const QList<ProductEntry>& products()
{
    // Unprocessed farm produce (rice, eggs, fresh fruit and vegetables) is VAT exempt in Thailand.
    static const QList<ProductEntry> list{
        // Office supplies
        {QStringLiteral("กระดาษถ่ายเอกสาร A4 80 แกรม"), QStringLiteral("Copy paper A4 80 gsm, 500 sheets"),
         QStringLiteral("รีม"), 125, true},
        {QStringLiteral("กระดาษถ่ายเอกสาร A3 80 แกรม"), QStringLiteral("Copy paper A3 80 gsm, 500 sheets"),
         QStringLiteral("รีม"), 260, true},
        {QStringLiteral("ปากกาลูกลื่น สีน้ำเงิน 0.5 มม."), QStringLiteral("Ballpoint pen, blue, 0.5 mm"),
         QStringLiteral("ด้าม"), 8, true},
        {QStringLiteral("ปากกาเจล สีดำ (กล่อง 12 ด้าม)"), QStringLiteral("Gel pen, black, box of 12"),
         QStringLiteral("กล่อง"), 180, true},
        {QStringLiteral("Highlighter Set 5 Colours"), QStringLiteral("ปากกาเน้นข้อความ 5 สี"),
         QStringLiteral("SET"), 95, true},
        {QStringLiteral("แฟ้มสันกว้าง 3 นิ้ว A4"), QStringLiteral("Lever arch file, 3 inch, A4"),
         QStringLiteral("แฟ้ม"), 85, true},
        {QStringLiteral("ลวดเย็บกระดาษ เบอร์ 10 (แพ็ค 24 กล่อง)"), QStringLiteral("Staples No. 10, 24 boxes"),
         QStringLiteral("แพ็ค"), 60, true},
        {QStringLiteral("Sticky Notes 3x3 in (12 pads)"), QStringLiteral("กระดาษโน้ตกาวในตัว 3x3 นิ้ว"),
         QStringLiteral("PACK"), 145, true},
        {QStringLiteral("Whiteboard Marker (box of 10)"), QStringLiteral("ปากกาไวท์บอร์ด กล่อง 10 ด้าม"),
         QStringLiteral("BOX"), 220, true},
        {QStringLiteral("Correction Tape 5 mm"), QStringLiteral("เทปลบคำผิด 5 มม."), QStringLiteral("PCS"), 35,
         true},
        {QStringLiteral("ซองน้ำตาล A4 (แพ็ค 50 ซอง)"), QStringLiteral("Brown envelope A4, pack of 50"),
         QStringLiteral("แพ็ค"), 150, true},
        {QStringLiteral("สมุดบัญชี 5 ช่อง"), QStringLiteral("Account ledger book, 5 columns"),
         QStringLiteral("เล่ม"), 45, true},
        {QStringLiteral("Desk Calculator 12 Digits"), QStringLiteral("เครื่องคิดเลขตั้งโต๊ะ 12 หลัก"),
         QStringLiteral("PCS"), 390, true},
        {QStringLiteral("Laminating Pouch A4 (100 sheets)"), QStringLiteral("พลาสติกเคลือบบัตร A4"),
         QStringLiteral("BOX"), 320, true},
        {QStringLiteral("เทปใส 3/4 นิ้ว"), QStringLiteral("Clear tape 3/4 inch"), QStringLiteral("ม้วน"), 25,
         true},
        {QStringLiteral("Toner Cartridge Black"), QStringLiteral("ตลับหมึกพิมพ์เลเซอร์ สีดำ"),
         QStringLiteral("PCS"), 2450, true},
        {QStringLiteral("Ink Bottle Set 4 Colours"), QStringLiteral("หมึกเติมอิงค์เจ็ท 4 สี"),
         QStringLiteral("SET"), 760, true},
        // Food and drinks
        {QStringLiteral("ข้าวหอมมะลิ 5 กก."), QStringLiteral("Thai Hom Mali jasmine rice, 5 kg"),
         QStringLiteral("ถุง"), 245, false},
        {QStringLiteral("น้ำดื่ม 600 มล. (แพ็ค 12 ขวด)"), QStringLiteral("Drinking water 600 ml, pack of 12"),
         QStringLiteral("แพ็ค"), 55, true},
        {QStringLiteral("กาแฟคั่วบด ดอยช้าง 250 กรัม"), QStringLiteral("Doi Chang ground coffee, 250 g"),
         QStringLiteral("ถุง"), 220, true},
        {QStringLiteral("Thai Jasmine Tea 100 g"), QStringLiteral("ชามะลิ 100 กรัม"), QStringLiteral("BOX"),
         120, true},
        {QStringLiteral("น้ำตาลทราย 1 กก."), QStringLiteral("Granulated sugar, 1 kg"), QStringLiteral("ถุง"),
         28, true},
        {QStringLiteral("ไข่ไก่ เบอร์ 2 (แผง 30 ฟอง)"), QStringLiteral("Chicken eggs size 2, tray of 30"),
         QStringLiteral("แผง"), 135, false},
        {QStringLiteral("มะม่วงน้ำดอกไม้"), QStringLiteral("Nam Dok Mai mango, per kg"), QStringLiteral("กก."),
         80, false},
        {QStringLiteral("Instant Noodles Tom Yum (box of 30)"), QStringLiteral("บะหมี่กึ่งสำเร็จรูป รสต้มยำ"),
         QStringLiteral("BOX"), 180, true},
        {QStringLiteral("Fish Sauce 700 ml"), QStringLiteral("น้ำปลาแท้ 700 มล."), QStringLiteral("BTL"), 35,
         true},
        {QStringLiteral("นมยูเอชที 200 มล. (ลัง 36 กล่อง)"), QStringLiteral("UHT milk 200 ml, case of 36"),
         QStringLiteral("ลัง"), 396, true},
        {QStringLiteral("Dried Mango 500 g"), QStringLiteral("มะม่วงอบแห้ง 500 กรัม"), QStringLiteral("BAG"),
         150, true},
        {QStringLiteral("น้ำมันพืช 1 ลิตร"), QStringLiteral("Vegetable oil, 1 litre"), QStringLiteral("ขวด"), 52,
         true},
        {QStringLiteral("Coconut Milk 400 ml (box of 24)"), QStringLiteral("กะทิกล่อง 400 มล. ลัง 24 กล่อง"),
         QStringLiteral("BOX"), 480, true},
        {QStringLiteral("ผักสลัดออร์แกนิค"), QStringLiteral("Organic salad greens, per kg"),
         QStringLiteral("กก."), 160, false},
        {QStringLiteral("Cashew Nuts Roasted 500 g"), QStringLiteral("เม็ดมะม่วงหิมพานต์อบ 500 กรัม"),
         QStringLiteral("BAG"), 290, true},
        // Electronics and IT
        {QStringLiteral("Wireless Mouse 2.4 GHz"), QStringLiteral("เมาส์ไร้สาย"), QStringLiteral("PCS"), 390,
         true},
        {QStringLiteral("USB-C Cable 1 m"), QStringLiteral("สายยูเอสบี-ซี 1 เมตร"), QStringLiteral("PCS"), 159,
         true},
        {QStringLiteral("Mechanical Keyboard Thai/English"), QStringLiteral("คีย์บอร์ดแมคคานิคอล ไทย/อังกฤษ"),
         QStringLiteral("PCS"), 1890, true},
        {QStringLiteral("จอมอนิเตอร์ 24 นิ้ว Full HD"), QStringLiteral("24 inch Full HD monitor"),
         QStringLiteral("เครื่อง"), 3990, true},
        {QStringLiteral("Power Bank 20000 mAh"), QStringLiteral("แบตเตอรี่สำรอง 20000 mAh"),
         QStringLiteral("PCS"), 890, true},
        {QStringLiteral("External SSD 1 TB"), QStringLiteral("เอสเอสดีภายนอก 1 TB"), QStringLiteral("PCS"),
         3290, true},
        {QStringLiteral("แฟลชไดรฟ์ 64 GB"), QStringLiteral("USB flash drive 64 GB"), QStringLiteral("ชิ้น"), 249,
         true},
        {QStringLiteral("WiFi Router AC1200"), QStringLiteral("เราเตอร์ไวไฟ AC1200"), QStringLiteral("PCS"),
         1290, true},
        {QStringLiteral("ปลั๊กพ่วง 4 ช่อง 3 เมตร"), QStringLiteral("Power strip, 4 outlets, 3 m"),
         QStringLiteral("ชิ้น"), 359, true},
        {QStringLiteral("HDMI Cable 2 m"), QStringLiteral("สาย HDMI 2 เมตร"), QStringLiteral("PCS"), 199,
         true},
        {QStringLiteral("Webcam 1080p"), QStringLiteral("กล้องเว็บแคม 1080p"), QStringLiteral("PCS"), 1190,
         true},
        {QStringLiteral("Laser Printer Mono A4"), QStringLiteral("เครื่องพิมพ์เลเซอร์ ขาวดำ A4"),
         QStringLiteral("UNIT"), 4590, true},
        {QStringLiteral("Bluetooth Speaker"), QStringLiteral("ลำโพงบลูทูธ"), QStringLiteral("PCS"), 990, true},
        {QStringLiteral("UPS 1000VA"), QStringLiteral("เครื่องสำรองไฟ 1000VA"), QStringLiteral("UNIT"), 2890,
         true},
        {QStringLiteral("หูฟังบลูทูธ"), QStringLiteral("Bluetooth earphones"), QStringLiteral("ชิ้น"), 1290, true},
        {QStringLiteral("AA Alkaline Batteries (pack of 4)"), QStringLiteral("ถ่านอัลคาไลน์ AA แพ็ค 4 ก้อน"),
         QStringLiteral("PACK"), 89, true},
        {QStringLiteral("ค่าบริการติดตั้งและตั้งค่าเครื่อง"), QStringLiteral("Installation and set-up service"),
         QStringLiteral("ครั้ง"), 500, true},
        // Cleaning and household
        {QStringLiteral("น้ำยาล้างจาน 3.6 ลิตร"), QStringLiteral("Dishwashing liquid, 3.6 litres"),
         QStringLiteral("แกลลอน"), 145, true},
        {QStringLiteral("กระดาษชำระ (แพ็ค 24 ม้วน)"), QStringLiteral("Toilet tissue, pack of 24 rolls"),
         QStringLiteral("แพ็ค"), 199, true},
        {QStringLiteral("Hand Sanitizer Gel 500 ml"), QStringLiteral("เจลล้างมือ 500 มล."),
         QStringLiteral("BTL"), 120, true},
        {QStringLiteral("ถุงขยะดำ 30x40 นิ้ว"), QStringLiteral("Black garbage bags 30x40 inch"),
         QStringLiteral("แพ็ค"), 65, true},
        {QStringLiteral("Microfiber Cloth (pack of 6)"), QStringLiteral("ผ้าไมโครไฟเบอร์ แพ็ค 6 ผืน"),
         QStringLiteral("PACK"), 149, true},
        {QStringLiteral("น้ำยาถูพื้น 5 ลิตร"), QStringLiteral("Floor cleaner, 5 litres"), QStringLiteral("แกลลอน"),
         189, true},
    };
    return list;
}

const QStringList& thaiPeople()
{
    static const QStringList list{
        QStringLiteral("คุณสมชาย ใจดี"),     QStringLiteral("คุณวิภาวรรณ ศรีสุข"),
        QStringLiteral("คุณประเสริฐ มั่นคง"),  QStringLiteral("คุณนภา แก้วมณี"),
        QStringLiteral("คุณอนุชา บุญมา"),     QStringLiteral("คุณสุภาพร ทองดี"),
        QStringLiteral("คุณกิตติ พงษ์ไพบูลย์"),  QStringLiteral("คุณจันทร์เพ็ญ รัตนวงศ์"),
        QStringLiteral("คุณธนากร วงศ์สวัสดิ์"), QStringLiteral("คุณพิมพ์ชนก สายทอง"),
    };
    return list;
}

const QStringList& englishPeople()
{
    static const QStringList list{
        QStringLiteral("Somchai Jaidee"), QStringLiteral("Wipawan Srisuk"),
        QStringLiteral("John Miller"),    QStringLiteral("Sarah Thompson"),
        QStringLiteral("Anucha Boonma"),  QStringLiteral("Kittipong Pongpaiboon"),
        QStringLiteral("Emma Schneider"), QStringLiteral("Naphat Kaewmanee"),
        QStringLiteral("David Chen"),     QStringLiteral("Pimchanok Saithong"),
    };
    return list;
}

const QStringList& shippingMethods()
{
    static const QStringList list{QStringLiteral("KERRY EXPRESS"), QStringLiteral("THAI POST EMS"),
                                  QStringLiteral("FLASH EXPRESS"), QStringLiteral("CUSTOMER PICK-UP")};
    return list;
}

} // namespace tools::demo
